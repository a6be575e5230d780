#pragma once

#include "app/CalcState.h"
#include "app/CalcWindow.h"
#include "app/MessageBoxes.h"
#include "app/ResultTable.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TForm1;
}
class FileChooser;
class ResultTableActions;
class ResultTableModel;
class TForm3;

// The main window "ОУ": the circuit diagram, the parameter grid SgIsh, the sweep fields, the
// result table SgResult and the commands. It owns the calculation state for the whole run and is
// what the calculation command sees of the outside world (CalcWindow).
class TForm1 final : public QWidget, public CalcWindow {
    Q_OBJECT

  public:
    explicit TForm1(MessageBoxes& boxes, QWidget* parent = nullptr);
    ~TForm1() override;

    const CalcState& State() const { return state_; }
    CalcState& State() { return state_; }
    // The windows that "график" and "??" show.
    void SetGraphWindow(TForm3* window) { graphWindow_ = window; }
    void SetHelpWindow(QWidget* window) { helpWindow_ = window; }
    // Where "Сохранить таблицу…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser);

    // Event handlers, each run through the top-level error handler.
    void FormCreate();
    void BuRasClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void SgIshSetEditText(int column, int row, const QString& text);
    void FormDblClick();

    // CalcWindow
    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;
    std::string EditText(SweepEdit edit) const override;
    void SetEditText(SweepEdit edit, const std::string& text) override;
    ResultTable& Results() override { return results_; }
    void SetGraphEnabled(bool enabled) override;
    bool LogScaleChecked() const override;
    void SetLogScaleChecked(bool checked) override;
    void ShowMessage(const std::string& text) override;
    void CalculationEnded() override;

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void LayOutGrids();
    void ConnectHandlers();
    // Steps shared by reset and by an edit of a parameter: the results are no longer valid.
    void InvalidateResults();
    // The graph's data or mode have changed: an open graph window follows them.
    void TellGraphWindow();

    std::unique_ptr<Ui::TForm1> ui_;
    MessageBoxes& boxes_;
    CalcState state_;
    ResultTable results_;
    ResultTableModel* resultModel_ = nullptr;
    ResultTableActions* resultActions_ = nullptr;
    TForm3* graphWindow_ = nullptr;
    QWidget* helpWindow_ = nullptr;
};
