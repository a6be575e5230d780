#pragma once

#include "SweepKind.h"
#include "numerics/StageModel.h"

#include <array>
#include <cstddef>
#include <optional>

// A stage as the user enters it, in the units of entry: what the main window's cells, fields and
// check box hold, what a stage file keeps and what the command line computes. Empty values are
// blank cells or fields.
struct Stage {
    // Rows 1 to 13 of the parameter grid: R1 … R5 in kΩ, C1 in µF, C2 in pF, C3 in µF, C4 and C5
    // in pF, k0 as a ratio, Rin in MΩ, f1 in MHz.
    std::array<std::optional<double>, 13> Parameters{};
    // The sweep fields EdOt, EdDo, EdDf: from and to in Hz, then the step in Hz (a linear sweep)
    // or the points per decade (a decade sweep).
    std::array<std::optional<double>, 3> SweepFields{};
    bool LogScale = false; // the check box "логарифм. шкала": the graph in dB over log10(f)
    SweepKind Sweep = SweepKind::Linear;
    OpAmpPhase Phase = OpAmpPhase::Leading; // "Расчет" → "Фаза ОУ: запаздывающая (реальный ОУ)"

    bool operator==(const Stage&) const = default;
};

// The sixteen values of a stage in the order the check reads them: the parameters from the top
// of the grid, then the sweep fields from left to right.
enum class StageField { R1, R2, R3, R4, R5, C1, C2, C3, C4, C5, k0, Rin, f1, From, To, Step };
inline constexpr size_t kStageFieldCount = 16;

// The value of field `field`, empty when it is blank.
const std::optional<double>& FieldValue(const Stage& stage, StageField field);
std::optional<double>& FieldValue(Stage& stage, StageField field);

// The stage as the main window holds it once "расчет" has rewritten its fields: each value in
// normal form (NumberToText read back, so rounded to 15 significant digits, and 0 for one that
// text cannot hold), blanks left blank. The command line computes from this, so its table is the
// window's for the same stage.
Stage InNormalForm(const Stage& stage);
