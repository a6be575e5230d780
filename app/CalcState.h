#pragma once

#include "SweepKind.h"
#include "numerics/modOU.h"
#include "numerics/modType.h"

#include <algorithm>
#include <array>
#include <cstdint>

// What one calculation read from the main window, in units of entry, in normal form: what names a
// curve's stage and sweep when curves are compared.
struct EnteredInput {
    // R1 … R5 in kΩ, C1 µF, C2 pF, C3 µF, C4, C5 pF, k0, Rin MΩ, f1 MHz: the grid's rows 1 … 13.
    std::array<double, 13> Parameters{};
    SweepKind Sweep = SweepKind::Linear;
    double fmin = 0; // Hz
    double fmax = 0; // Hz
    double df = 0;   // Hz for a linear sweep; points per decade for a decade sweep
};

// The one calculation state of the program: written by the calculation command (the graph mode
// also by the "график" button), read by the graph window at every paint. The stage parameters
// (the base) hold what was typed until the command converts them to Ω, F and Hz.
struct CalcState : StageParameters {
    double Rin = 0;  // Ω, entered in MΩ; merged into R1 and R3 by the conversion
    double fmin = 0; // Hz, sweep start
    double fmax = 0; // Hz, sweep end, always the last frequency
    double df = 0;   // Hz, sweep step; points per decade when Sweep is Decade
    SweepKind Sweep = SweepKind::Linear;

    arDouble Frequencies; // Hz, ascending
    int32_t Count = 0;    // length of the three series
    // Rows 0 … Computed − 1 of Ratio and Decibels hold gains of the last calculation; a calculation
    // stopped by a floating-point error leaves the rest as they were, not as results.
    int32_t Computed = 0;
    arDouble Ratio;    // |gain| per frequency
    arDouble Decibels; // 20·log10(Ratio)

    bool LogScale = false; // graph: false = ratio over f, true = dB over log10(f)

    // The converted parameters the computed rows were computed with. The fields above are read
    // anew by every calculation, also by one refused part way, which leaves the old rows in
    // place: what is computed from the model for those rows must use these.
    StageParameters Swept{};
    // The same rows' parameters and sweep as they were entered.
    EnteredInput Entered{};
};

// The rows 0 … ComputedRows − 1 hold gains of the last calculation: what may be read off the
// series. Never more than any of them holds.
inline int32_t ComputedRows(const CalcState& s) {
    const size_t held = std::min({s.Frequencies.size(), s.Ratio.size(), s.Decibels.size()});
    return std::max(0, std::min({s.Computed, s.Count, static_cast<int32_t>(held)}));
}
