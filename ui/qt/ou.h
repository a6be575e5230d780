#pragma once

#include "FileDialog.h"
#include "app/CalcState.h"
#include "app/MainForm.h"
#include "app/MainView.h"
#include "app/MessageBoxes.h"
#include "app/TableCommands.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TForm1;
}
class MenuBar;
class ResultTableActions;
class ResultTableModel;
class TForm3;

// The main window "ОУ": the circuit diagram, the parameter grid SgIsh, the sweep fields, the
// result table SgResult and the commands. It creates the controls and forwards their events to
// its presenter, MainForm, which owns the calculation state and makes every decision.
class TForm1 final : public QWidget, public MainView, public TableView {
    Q_OBJECT

  public:
    explicit TForm1(MessageBoxes& boxes, QWidget* parent = nullptr);
    ~TForm1() override;

    MainForm& Form() { return form_; }
    const CalcState& State() const { return form_.State(); }
    CalcState& State() { return form_.State(); }
    // The windows that "график" and "??" show.
    void SetGraphWindow(TForm3* window);
    void SetHelpWindow(QWidget* window) { helpWindow_ = window; }
    // Where "Сохранить таблицу…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { form_.SetFileChooser(chooser); }

    // MainView
    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;
    std::string EditText(SweepEdit edit) const override;
    void SetEditText(SweepEdit edit, const std::string& text) override;
    ResultTable& Results() override { return form_.Results(); }
    void SetGraphEnabled(bool enabled) override;
    bool LogScaleChecked() const override;
    void SetLogScaleChecked(bool checked) override;
    void ShowMessage(const std::string& text) override;
    void CalculationEnded() override { form_.CalculationEnded(); }
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
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddMenuBar();
    void LayOutGrids();
    void ConnectHandlers();

    std::unique_ptr<Ui::TForm1> ui_;
    MessageBoxes& boxes_;
    FileDialog dialog_;
    TurnTakingChooser dialogs_;
    MainForm form_;
    ResultTableModel* resultModel_ = nullptr;
    ResultTableActions* resultActions_ = nullptr;
    MenuBar* menuBar_ = nullptr;
    QWidget* graphWindow_ = nullptr;
    QWidget* helpWindow_ = nullptr;
};
