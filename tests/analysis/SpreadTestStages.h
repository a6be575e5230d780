#pragma once

#include "analysis/SpreadSettings.h"
#include "calc/Calculation.h"

#include <variant>
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
    Stage stage;
    for (size_t i = 0; i < stage.Parameters.size(); ++i)
        stage.Parameters[i] = typed[i];
    stage.SweepFields = {from, to, perDecade};
    stage.Sweep = SweepKind::Decade;
    // As typed into the form: each value in its normal form.
    const StageCheck check = CheckStage(InNormalForm(stage));
    const SharedResult s = ComputeSweep(std::get<CheckedStage>(check));
    return {s->Frequencies, s->Ratio, s->Model};
}
