#pragma once

#include "SpreadSettings.h"
#include "numerics/StageModel.h"

#include <cstddef>
#include <cstdint>

// One trial's stage: its parameters drawn from counter-based streams, converted to Ω, F and Hz
// as the calculation converts them, and its gains in plain double arithmetic written for speed.

// The 64-bit word number `draw` of the stream keyed by (seed, trial, parameter): a hash of the
// four, so any trial's values are found without running any other trial's stream, in any
// order, on any thread.
uint64_t StreamWord(uint64_t seed, uint64_t trial, uint32_t parameter, uint32_t draw);

// Where trial `trial` puts each parameter within its tolerance, as a fraction of the way from
// the nominal value to its end: −1 … 1, the factor being 1 + fraction · t/100.
//  - Monte Carlo, uniform: evenly over (−1, 1);
//  - Monte Carlo, normal: σ = 1/3, drawn again (from the same stream's next words) while
//    beyond ±1;
//  - corners: bit b of the trial's number picks the end of the b-th parameter with t > 0
//    (0: −1, 1: +1).
// A parameter with t = 0 stays at 0.
EnteredParameters TrialFractions(const SpreadSettings& settings, uint64_t trial);

// The trial's parameters in units of entry.
EnteredParameters TrialParameters(const EnteredParameters& nominal, const SpreadSettings& settings,
                                  uint64_t trial);

// Units of entry to Ω, F and Hz in the calculation's own operations, so the same entry gives the
// same doubles: Rin merged into R1 and R3. A floating-point error raises FloatingPointError.
StageParameters ConvertEntered(const EnteredParameters& entered,
                               OpAmpPhase phase = OpAmpPhase::Leading);

// What the gain at any frequency needs, formed once per stage. With P = 1 + jωR2·C3 and
// Q = 1 + jωR5·C4 the legs' admittances times P·Q are
//   B = (1/R3 + jωC2)·P·Q + jωC3·Q,   A = (1/R4 + jωC5)·P·Q + jωC4·P,
// β = A/(A + B), and the gain is H / (1/k_open + β) with H = jωR1C1/(1 + jωR1C1) and
// 1/k_open = 1/k0 − j·f·√(k0² − 1)/(k0·f1) (+ for a lagging phase): the model of
// numerics/StageModel.h rewritten so that a frequency costs one division, |k|² = |H|²·|A + B|² /
// |(1/k_open)·(A + B) + A|².
struct FastStage {
    explicit FastStage(const StageParameters& p);

    double r1c1;      // s, R1·C1
    double g3;        // S, 1/R3
    double c2, c3;    // F
    double r2c3;      // s, R2·C3
    double g4;        // S, 1/R4
    double c5, c4;    // F
    double r5c4;      // s, R5·C4
    double openReal;  // 1/k0
    double openSlope; // s, √(k0² − 1)/(k0·f1), negated for a lagging phase
};

// 2π·f for each frequency, as FastGains takes them.
void AngularFrequencies(const double* frequencies, size_t count, double* omega);

// |k| at `count` frequencies into `ratio`. Plain double: no checks; a fault shows in the
// floating-point status flags (numerics/FloatError.h), which the caller clears before and reads
// after. False when a square fell so low that its digits are lost, and the gains are then to be
// formed again: `scaled`, with R1·C1's factor kept out of the squares, which keeps a tiny |k| (an
// R1·C1 of 1e-160 s) as exact as a large one, down to |k| or a leg's admittance near 1e-144; below
// that, by the exact model. Otherwise |k| agrees with StageGain to about 1e-15 relative on any
// stage the calculation accepts; unscaled, it is the square root of the square, as the band has
// always been formed.
bool FastGains(const FastStage& stage, const double* __restrict frequencies,
               const double* __restrict omega, size_t count, double* __restrict ratio,
               bool scaled = false);
// |k| at one frequency, scaled where it must be; NaN where neither form keeps its digits.
double FastGain(const FastStage& stage, double frequency);

// |k| of the exact extended-precision model (StageGain) at `count` frequencies, as the
// calculation's table has it; a floating-point error raises FloatingPointError.
void ExactGains(const StageParameters& stage, const double* frequencies, size_t count,
                double* ratio);
