#include "MainForm.h"

#include "CalculationCommand.h"
#include "MainLayout.h"
#include "MainWindowTexts.h"

MainForm::MainForm(MainView& view, TableView& table, MessageBoxes& boxes, FileChooser& chooser)
    : view_(view), boxes_(boxes), results_(state_, kInitialResultRows),
      table_(table, results_, boxes, chooser) {}

void MainForm::FormCreate() {
    Guarded([this] {
        WriteHeadingsAndNames(view_);
        view_.SetParameterColumnWidths(kParameterColumnWidths[0] + kNameColumnWidening,
                                       kParameterColumnWidths[1] - kNameColumnWidening);
        // So that the user knows how to type fractions.
        view_.SetSeparatorLabel(SeparatorLabelText());
    });
}

void MainForm::BuRasClick() {
    calculationEnded_ = false;
    bool failed = true;
    if (graph_ != nullptr)
        graph_->CalculationStarted();
    Guarded([this, &failed] {
        ::BuRasClick(view_, state_);
        failed = false;
    });
    if (calculationEnded_)
        table_.ResultsReplaced();
    if (graph_ == nullptr)
        return;
    // Only now, with the calculation's box closed, does the graph follow: one action, one box
    // at a time.
    if (calculationEnded_)
        graph_->CalcStateChanged(failed);
    else
        graph_->CalculationRefused();
}

void MainForm::Button1Click() {
    Guarded([this] {
        state_.LogScale = view_.LogScaleChecked();
        if (graph_ != nullptr)
            graph_->CalcStateChanged();
        view_.ShowGraphWindow();
    });
}

void MainForm::Button2Click() {
    Guarded([this] { view_.ShowHelpWindow(); });
}

void MainForm::Button3Click() {
    Guarded([this] {
        for (int row = 1; row < kParameterRows; ++row)
            view_.SetCellText(1, row, {});
        InvalidateResults();
    });
}

void MainForm::SgIshSetEditText(int /*column*/, int /*row*/, const std::string& /*text*/) {
    Guarded([this] { InvalidateResults(); });
}

void MainForm::InvalidateResults() {
    results_.Clear();
    table_.ResultsReplaced();
    view_.SetGraphEnabled(false);
}
