#pragma once

#include "CalcState.h"
#include "EventGuard.h"
#include "GraphForm.h"
#include "MainView.h"
#include "MessageBoxes.h"
#include "ResultTable.h"
#include "TableCommands.h"

#include <string>

// The main window's decisions: start-up texts, "расчет", "график", "??", "сброс", an edit of a
// parameter, and the result table's commands. It owns the calculation state for the whole run.
// Each handler runs through the top-level error handler, so a front forwards an event in one line.
class MainForm {
  public:
    MainForm(MainView& view, TableView& table, MessageBoxes& boxes, FileChooser& chooser);

    const CalcState& State() const { return state_; }
    CalcState& State() { return state_; }
    ResultTable& Results() { return results_; }
    TableCommands& Table() { return table_; }
    // The graph window's presenter, which follows the calculation state.
    void SetGraph(GraphForm* graph) { graph_ = graph; }
    void SetFileChooser(FileChooser& chooser) { table_.SetFileChooser(chooser); }

    void FormCreate();
    void BuRasClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void SgIshSetEditText(int column, int row, const std::string& text);
    void FormDblClick() {}
    // From the calculation command, while it runs (the view's CalculationEnded).
    void CalculationEnded() { calculationEnded_ = true; }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

  private:
    // Steps shared by reset and by an edit of a parameter: the results are no longer valid.
    void InvalidateResults();

    MainView& view_;
    MessageBoxes& boxes_;
    CalcState state_;
    ResultTable results_;
    TableCommands table_;
    GraphForm* graph_ = nullptr;
    bool calculationEnded_ = false;
};
