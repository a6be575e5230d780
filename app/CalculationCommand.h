#pragma once

#include "CalcState.h"
#include "CalcWindow.h"
#include "SweepKind.h"

#include <cstdint>

// The most sweep frequencies one calculation accepts: beyond it the table and the series would
// take gigabytes and the user has surely mistyped the step.
constexpr int32_t kMaxSweepFrequencies = 10'000'000;
// The most points per decade a decade sweep accepts.
constexpr int32_t kMaxPointsPerDecade = 1'000'000;

// "расчет": reads the thirteen parameters and the sweep from the window, rewriting each in normal
// form; refuses implausible input with a message; builds the sweep, converts to Ω, F and Hz,
// evaluates the stage at every frequency and fills the result table and `state`.
// A linear sweep steps by EdDf Hz from EdOt; a decade sweep takes EdDf points per decade,
// fнач·10^(i/EdDf). Either ends at EdDo itself.
// A floating-point error (FloatingPointError) abandons it where it happens, leaving what was
// done so far.
void BuRasClick(CalcWindow& window, CalcState& state, SweepKind sweep = SweepKind::Linear);

// Label5, over the three sweep fields EdOt, EdDo and EdDf.
const char* SweepLabelText(SweepKind sweep);

// 20·log10(ratio), as the result table's dB column holds it; a ratio of 0 or below is a
// floating-point error.
double Decibel(double ratio);
