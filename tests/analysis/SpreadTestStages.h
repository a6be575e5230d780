#pragma once

#include "analysis/SpreadSettings.h"
#include "app/CalculationCommand.h"
#include "app/HeadlessForm.h"
#include "numerics/NumberText.h"

#include <string>
#include <vector>

// Stages as typed (units of entry) and what the calculation itself makes of them.

// The help window's example: 40 dB from some 16 Hz to some 10 kHz.
inline constexpr EnteredParameters kTypicalStage = {100, 1000, 1, 99,  1000, 10, 10,
                                                    100, 1,    1, 1E5, 10,   1};

// "расчет" over the stage on a decade sweep from `from` to `to` Hz: its frequencies, gains and
// converted parameters, exact.
struct Calculated {
    std::vector<double> Frequencies, Ratio;
    StageParameters Swept{};
};

inline Calculated Calculate(const EnteredParameters& typed, double from = 1, double to = 1E6,
                            int perDecade = 20) {
    HeadlessForm form;
    for (int row = 1; row <= kSpreadParameters; ++row)
        form.SetCellText(1, row, NumberToText(typed[static_cast<size_t>(row - 1)]));
    form.SetEditText(SweepEdit::EdOt, NumberToText(from));
    form.SetEditText(SweepEdit::EdDo, NumberToText(to));
    form.SetEditText(SweepEdit::EdDf, std::to_string(perDecade));
    BuRasClick(form, form.State(), SweepKind::Decade);
    const CalcState& s = form.State();
    return {s.Frequencies, s.Ratio, s.Swept};
}
