#pragma once

#include "Complex.h"

// The phase of the amplifier's single pole. The program has always computed the stage with a
// leading phase, k0 / (1 − j·x·√(k0² − 1)); a real amplifier's pole lags, k0 / (1 + j·x·√(k0² −
// 1)). The modulus is the same, but with reactive legs the stage's gain is not.
enum class OpAmpPhase { Leading, Lagging };

// The one circuit: a non-inverting amplifier stage. The input feeds C1 in series, with R1 from
// the non-inverting input to ground. The ground leg (inverting input to ground) is R3 ∥ (R2 + C3)
// ∥ C2; the feedback leg (output to inverting input) is R4 ∥ (R5 + C4) ∥ C5.
struct StageParameters {
    double R1; // Ω, already in parallel with the amplifier's input resistance
    double R2; // Ω, in series with C3
    double R3; // Ω, already in parallel with the amplifier's input resistance
    double R4; // Ω
    double R5; // Ω, in series with C4
    double C1; // F, input coupling
    double C2; // F, ground leg
    double C3; // F, ground leg, in series with R2
    double C4; // F, feedback leg, in series with R5
    double C5; // F, feedback leg
    double k0; // open-loop gain at zero frequency, ratio
    double f1; // Hz, where the open-loop gain falls to 1
    OpAmpPhase Phase = OpAmpPhase::Leading;
};

// Single-pole open-loop gain with modulus k0 / √(1 + (f/f1)²·(k0² − 1)), of the given phase.
TComplex OpenLoopGain(double k0, double f1, double f, OpAmpPhase phase = OpAmpPhase::Leading);
// Non-inverting stage with finite open-loop gain k: k / (1 + k·Zg/(Zg + Zf)).
TComplex ClosedLoopGain(const TComplex& k, const TComplex& Zg, const TComplex& Zf);
// Gain from the input terminal to the output at frequency f (Hz).
TComplex StageGain(double f, const StageParameters& p);
