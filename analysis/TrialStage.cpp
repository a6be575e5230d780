#include "TrialStage.h"

#include "numerics/CheckedArithmetic.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// The finaliser of splitmix64: a bijection of 64-bit words whose every output bit depends on
// every input bit.
uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// A word as a number strictly inside (0, 1), 53 random bits: never 0, so its logarithm exists.
double OpenUnit(uint64_t word) {
    return (static_cast<double>(word >> 11) + 0.5) * 0x1p-53;
}

// Normal with σ = 1/3 cut at ±1, by Box–Muller on pairs of words until a value falls inside
// (99.7 % of first tries).
double NormalFraction(uint64_t seed, uint64_t trial, uint32_t parameter) {
    constexpr uint32_t kTries = 64; // the chance of needing more is below 10^-160
    for (uint32_t draw = 0; draw < 2 * kTries; draw += 2) {
        const double radius =
            std::sqrt(-2 * std::log(OpenUnit(StreamWord(seed, trial, parameter, draw))));
        const double z =
            radius * std::cos(kTwoPi * OpenUnit(StreamWord(seed, trial, parameter, draw + 1))) / 3;
        if (z >= -1 && z <= 1)
            return z;
    }
    return 0;
}

// The calculation's conversion (BuRasClick's), operation for operation and in its order, each
// result rounded to double where the calculation stores it.
template <class X> StageParameters Convert(const EnteredParameters& e) {
    StageParameters p{};
    p.R1 = Store(X(e[0]) * 1000);
    const double Rin = Store(X(e[11]) * 1E6);
    p.R1 = Store(X(p.R1) * Rin / (X(p.R1) + Rin));
    p.R2 = Store(X(e[1]) * 1000);
    p.R3 = Store(X(e[2]) * 1000);
    p.R3 = Store(X(Rin) * p.R3 / (X(Rin) + p.R3));
    p.R4 = Store(X(e[3]) * 1000);
    p.R5 = Store(X(e[4]) * 1000);
    p.C1 = Store(X(e[5]) / 1E6);
    p.C3 = Store(X(e[7]) / 1E6);
    p.C2 = Store(X(e[6]) * 1E-12L);
    p.C4 = Store(X(e[8]) * 1E-12L);
    p.C5 = Store(X(e[9]) * 1E-12L);
    p.k0 = e[10];
    p.f1 = Store(X(e[12]) * 1E6);
    return p;
}

} // namespace

// Each part of the key steps a Weyl sequence by the golden ratio's 64-bit fraction and is
// mixed, as splitmix64 steps its counter: consecutive trials give unrelated words.
uint64_t StreamWord(uint64_t seed, uint64_t trial, uint32_t parameter, uint32_t draw) {
    constexpr uint64_t kGolden = 0x9E3779B97F4A7C15u;
    uint64_t h = Mix((seed + 1) * kGolden);
    h = Mix(h + (trial + 1) * kGolden);
    return Mix(h + ((uint64_t{parameter} << 32 | draw) + 1) * kGolden);
}

EnteredParameters TrialFractions(const SpreadSettings& settings, uint64_t trial) {
    EnteredParameters fractions{};
    int corner = 0;
    for (uint32_t i = 0; i < kSpreadParameters; ++i) {
        if (!(settings.Tolerances[i] > 0))
            continue;
        if (settings.Mode == SpreadMode::Corners)
            fractions[i] = (trial >> corner++) & 1 ? 1 : -1;
        else if (settings.Shape == Distribution::Normal)
            fractions[i] = NormalFraction(settings.Seed, trial, i);
        else
            fractions[i] = 2 * OpenUnit(StreamWord(settings.Seed, trial, i, 0)) - 1;
    }
    return fractions;
}

EnteredParameters TrialParameters(const EnteredParameters& nominal, const SpreadSettings& settings,
                                  uint64_t trial) {
    const EnteredParameters fractions = TrialFractions(settings, trial);
    EnteredParameters values = nominal;
    for (size_t i = 0; i < values.size(); ++i)
        if (fractions[i] != 0)
            values[i] = nominal[i] * (1 + fractions[i] * (settings.Tolerances[i] / 100));
    return values;
}

StageParameters ConvertEntered(const EnteredParameters& entered, OpAmpPhase phase) {
    StageParameters p =
        EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return Convert<X>(entered); });
    p.Phase = phase;
    return p;
}

FastStage::FastStage(const StageParameters& p)
    : r1c1(p.R1 * p.C1), g3(1 / p.R3), c2(p.C2), c3(p.C3), r2c3(p.R2 * p.C3), g4(1 / p.R4),
      c5(p.C5), c4(p.C4), r5c4(p.R5 * p.C4), openReal(1 / p.k0),
      openSlope((p.Phase == OpAmpPhase::Lagging ? -1 : 1) * std::sqrt(p.k0 * p.k0 - 1) /
                (p.k0 * p.f1)) {}

void AngularFrequencies(const double* frequencies, size_t count, double* omega) {
    for (size_t j = 0; j < count; ++j)
        omega[j] = kTwoPi * frequencies[j];
}

namespace {

// Below this a square has lost digits (the least normal double is 2^-1022): the squares of values
// over 2^-480 stay above it, their sums and ratios exact to rounding. A |k| below the least normal
// double is left to the exact model, which rounds it as the calculation does.
constexpr double kLeastExactSquare = 0x1p-960;

// One loop without branches over the frequencies, its constants in locals and its arrays
// declared apart, so the compiler puts two (or four) frequencies in each vector register.
template <bool kScaled>
bool GainsOf(const FastStage& s, const double* __restrict frequencies,
             const double* __restrict omega, size_t count, double* __restrict ratio) {
    const double r1c1 = s.r1c1, g3 = s.g3, c2 = s.c2, c3 = s.c3, r2c3 = s.r2c3;
    const double g4 = s.g4, c5 = s.c5, c4 = s.c4, r5c4 = s.r5c4;
    const double openReal = s.openReal, openSlope = s.openSlope;
    bool lost = false;
    for (size_t j = 0; j < count; ++j) {
        const double w = omega[j];
        const double a = w * r1c1; // |H|² = a²/(1 + a²)
        const double ug = w * r2c3, uf = w * r5c4;
        // P·Q = (1 − ug·uf) + j(ug + uf)
        const double pqRe = 1 - ug * uf, pqIm = ug + uf;
        // S = A + B = (1/R3 + 1/R4 + jω(C2 + C5))·P·Q + jωC4·P + jωC3·Q
        const double gRe = g3 + g4, gIm = w * (c2 + c5);
        const double tf = w * c4, tg = w * c3;
        const double sRe = gRe * pqRe - gIm * pqIm - tf * ug - tg * uf;
        const double sIm = gRe * pqIm + gIm * pqRe + tf + tg;
        // A = (1/R4 + jωC5)·P·Q + jωC4·P
        const double fIm = w * c5;
        const double aRe = g4 * pqRe - fIm * pqIm - tf * ug;
        const double aIm = g4 * pqIm + fIm * pqRe + tf;
        // N = (1/k_open)·S + A
        const double oIm = -frequencies[j] * openSlope;
        const double nRe = openReal * sRe - oIm * sIm + aRe;
        const double nIm = openReal * sIm + oIm * sRe + aIm;
        const double s2 = sRe * sRe + sIm * sIm, n2 = nRe * nRe + nIm * nIm;
        if constexpr (kScaled) {
            // |k| = a·√(|S|²/((1 + a²)·|N|²)): a stays out of the squares, where a small one
            // underflows with the gain; a² only adds to 1.
            const double q = s2 / ((1 + a * a) * n2);
            const double k = a * std::sqrt(q);
            ratio[j] = k;
            lost |= (s2 < kLeastExactSquare) | (n2 < kLeastExactSquare) | (q < kLeastExactSquare) |
                    (k < std::numeric_limits<double>::min());
        } else {
            const double k2 = a * a * s2 / ((1 + a * a) * n2);
            ratio[j] = std::sqrt(k2);
            lost |= (a * a < kLeastExactSquare) | (s2 < kLeastExactSquare) |
                    (n2 < kLeastExactSquare) | (k2 < kLeastExactSquare);
        }
    }
    return !lost;
}

} // namespace

bool FastGains(const FastStage& stage, const double* __restrict frequencies,
               const double* __restrict omega, size_t count, double* __restrict ratio,
               bool scaled) {
    return scaled ? GainsOf<true>(stage, frequencies, omega, count, ratio)
                  : GainsOf<false>(stage, frequencies, omega, count, ratio);
}

double FastGain(const FastStage& stage, double frequency) {
    const double omega = kTwoPi * frequency;
    double ratio = 0;
    for (const bool scaled : {false, true})
        if (FastGains(stage, &frequency, &omega, 1, &ratio, scaled))
            return ratio;
    return std::numeric_limits<double>::quiet_NaN();
}

void ExactGains(const StageParameters& stage, const double* frequencies, size_t count,
                double* ratio) {
    for (size_t j = 0; j < count; ++j)
        ratio[j] = ComplexAbs(StageGain(frequencies[j], stage));
}
