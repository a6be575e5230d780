#pragma once

#include "FileDialog.h"
#include "app/presenters/MainView.h"
#include "app/presenters/MessageBoxes.h"
#include "app/presenters/TableCommands.h"
#include "app/session/StagePresenters.h"
#include "calc/SweepResult.h"

#include <QWidget>

#include <memory>

namespace Ui {
class MainWindow;
}
class MenuBar;
class ResultTableActions;
class ResultTableModel;
class GraphWindow;

// The main window "ОУ": the circuit diagram, the parameter grid SgIsh, the sweep fields, the
// result table SgResult and the commands. It creates the controls and forwards their events to
// its presenter, MainPresenter, made in the program's presenters, which makes every decision.
class MainWindow final : public QWidget, public MainView, public TableView {
    Q_OBJECT

  public:
    MainWindow(StagePresenters& presenters, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainPresenter& Presenter() { return presenter_; }
    const SweepResult& Result() const { return presenter_.Result(); }
    // The windows that "график" and "??" show.
    void SetGraphWindow(GraphWindow* window);
    void SetHelpWindow(QWidget* window) { helpWindow_ = window; }
    // Where "Сохранить таблицу…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { presenter_.SetFileChooser(chooser); }

    // MainView
    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;
    std::string EditText(StageField field) const override;
    void SetEditText(StageField field, const std::string& text) override;
    ResultTable& Results() override { return presenter_.Results(); }
    void SetGraphEnabled(bool enabled) override;
    bool LogScaleChecked() const override;
    void SetLogScaleChecked(bool checked) override;
    void ShowMessage(const std::string& text) override;
    void ShowGraphWindow() override;
    void ShowHelpWindow() override;
    void SetParameterColumnWidths(int names, int values) override;
    void SetSeparatorLabel(const std::string& text) override;
    void SetSweepLabel(const std::string& text, const std::string& fieldName) override;
    int32_t SweepLabelWidth(const std::string& text) const override;
    void SetCaption(const std::string& text) override;
    void MenusChanged() override;
    void CloseWindow() override { close(); }

    // TableView
    std::vector<CellBlock> SelectedBlocks() const override;
    void SelectAll() override;
    void ClearSelection() override;
    ClipboardOutcome PutOnClipboard(const ResultTable& table, const CellBlock& block) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddMenuBar();
    void LayOutGrids();
    void ConnectHandlers();

    std::unique_ptr<Ui::MainWindow> ui_;
    StagePresenters& presenters_;
    MessageBoxes& boxes_;
    FileDialog dialog_;
    TurnTakingChooser dialogs_;
    MainPresenter& presenter_;
    ResultTableModel* resultModel_ = nullptr;
    ResultTableActions* resultActions_ = nullptr;
    MenuBar* menuBar_ = nullptr;
    QWidget* graphWindow_ = nullptr;
    QWidget* helpWindow_ = nullptr;
};
