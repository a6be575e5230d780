#pragma once

#include "CalcState.h"
#include "CalcWindow.h"
#include "SweepKind.h"

#include <array>
#include <string>

// The main window without a window: its cells, fields and check box as texts, its own calculation
// state and result table. "ou --csv" runs "расчет" over it exactly as over the real one.
class HeadlessForm final : public CalcWindow {
  public:
    HeadlessForm();

    CalcState& State() { return state_; }
    // The first message "расчет" showed (a refused value); empty when it showed none.
    const std::string& Message() const { return message_; }
    // How the stage put into the form sweeps.
    SweepKind Sweep() const { return sweep_; }
    void SetSweep(SweepKind sweep) { sweep_ = sweep; }

    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;
    std::string EditText(SweepEdit edit) const override;
    void SetEditText(SweepEdit edit, const std::string& text) override;
    ResultTable& Results() override { return results_; }
    void SetGraphEnabled(bool /*enabled*/) override {}
    bool LogScaleChecked() const override { return logScale_; }
    void SetLogScaleChecked(bool checked) override { logScale_ = checked; }
    void ShowMessage(const std::string& text) override;
    void CalculationEnded() override {}

  private:
    std::array<std::array<std::string, 2>, 14> cells_{}; // [row][column], as SgIsh
    std::array<std::string, 3> edits_{};
    bool logScale_ = false;
    SweepKind sweep_ = SweepKind::Linear;
    std::string message_;
    CalcState state_;
    ResultTable results_;
};
