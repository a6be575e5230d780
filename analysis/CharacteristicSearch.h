#pragma once

#include "numerics/CheckedArithmetic.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

// The characteristic points of one gain curve, refined on its model, not read off the samples:
// the maximum of |k| and the frequencies where |k| has fallen to the maximum divided by √2
// (−3 dB) on either side of it. Written once over a gain function, so the graph's
// "Характерные точки…" (on the exact model) and every trial of the tolerance analysis (on the
// fast one) find them by the same search.

struct GainSample {
    double frequency; // Hz
    double ratio;     // |k|
};

struct PeakAndEdges {
    GainSample Peak;                 // an end of the range when |k| is largest there
    std::optional<double> LowerEdge; // Hz, the −3 dB crossing nearest below the peak; none when
    std::optional<double> UpperEdge; // |k| stays above the level up to that end of the range
};

namespace characteristic_search {

// A search stops once its bracket is this small relative to the frequency: ten digits, one
// more than the result is promised to.
constexpr Extended kRelativeTolerance = 1E-10L;
// Bisection halves the bracket; far more steps than any tolerance needs, so a search always ends.
constexpr int kMaxSteps = 400;
// How far apart two values of |k| must be for the model's rounding not to account for the
// difference: its few dozen operations, each rounded to double.
constexpr double kModelRounding = 64 * std::numeric_limits<double>::epsilon();
// 1/φ, the fraction of the bracket golden-section search keeps at each step.
constexpr Extended kGoldenFraction = 0.6180339887498948482L;

inline bool Narrow(double a, double b) {
    const Extended span = Abs(Extended(b) - a);
    return span <= kRelativeTolerance * std::max(Abs(Extended(a)), Abs(Extended(b)));
}

// The point a given fraction of the way from a to b. In extended precision, so that no bracket
// of doubles overflows.
inline double Between(double a, double b, Extended fraction) {
    return Store(Extended(a) + (Extended(b) - a) * fraction);
}

// The largest |k| between a and b, starting from the sample `best` that lies between them. For
// a maximum at a or b the search closes in on that end, and the end's own sample wins.
template <class Model>
GainSample GoldenSectionMaximum(const Model& model, double a, double b, GainSample best) {
    const auto at = [&](double f) {
        const GainSample s{f, model(f)};
        if (s.ratio > best.ratio)
            best = s;
        return s;
    };
    GainSample lower = at(Between(b, a, kGoldenFraction));
    GainSample upper = at(Between(a, b, kGoldenFraction));
    for (int step = 0; step < kMaxSteps && !Narrow(a, b); ++step) {
        if (lower.ratio < upper.ratio) {
            a = lower.frequency;
            lower = upper;
            upper = at(Between(a, b, kGoldenFraction));
        } else {
            b = upper.frequency;
            upper = lower;
            lower = at(Between(b, a, kGoldenFraction));
        }
        // The bracket can no longer be divided in doubles.
        if (!(a < lower.frequency && lower.frequency <= upper.frequency && upper.frequency < b))
            break;
    }
    return best;
}

// Where |k| crosses `level` between `below` (|k| under it) and `above` (at or over it).
template <class Model>
double Crossing(const Model& model, double below, double above, double level) {
    for (int step = 0; step < kMaxSteps && !Narrow(below, above); ++step) {
        const double middle = Between(below, above, 0.5L);
        if (middle == below || middle == above)
            break;
        (model(middle) < level ? below : above) = middle;
    }
    return Between(below, above, 0.5L);
}

} // namespace characteristic_search

// Over the samples i = 0 … rows − 1 (rows ≥ 1; `frequency(i)` ascending, `ratio(i)` = |k| there)
// of a curve whose |k| at any frequency is `model(f)`: the maximum starts at the largest sample
// and is refined between that sample's neighbours by golden-section search; each −3 dB crossing
// is found by bisection between the first sample under the level outward from that peak and the
// point before it (the peak itself or a sample). Both to at least 9 significant digits of the
// frequency, as far as the model's rounding lets a flat top be told apart.
template <class Frequency, class Ratio, class Model>
PeakAndEdges FindPeakAndEdges(int32_t rows, const Frequency& frequency, const Ratio& ratio,
                              const Model& model) {
    using namespace characteristic_search;
    const auto f = [&](int32_t i) { return frequency(i); };
    const auto k = [&](int32_t i) { return ratio(i); };

    // The largest sample (the first of equals) and the bracket of its neighbours.
    int32_t top = 0;
    for (int32_t i = 1; i < rows; ++i)
        if (k(i) > k(top))
            top = i;
    GainSample peak = GoldenSectionMaximum(model, f(std::max(top - 1, 0)),
                                           f(std::min(top + 1, rows - 1)), {f(top), k(top)});
    // Near an end of the range that the gain rises towards, the search settles wherever
    // rounding puts the largest value: the end itself is the maximum then.
    std::optional<GainSample> end;
    for (const int32_t i : {0, rows - 1})
        if (std::abs(i - top) <= 1 && k(i) >= peak.ratio * (1 - kModelRounding) &&
            (!end || k(i) > end->ratio))
            end = GainSample{f(i), k(i)};
    if (end)
        peak = *end;

    PeakAndEdges points{peak, {}, {}};
    const double level = EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return Store(X(peak.ratio) / Sqrt(X(2))); });
    // Outward from the refined peak, not from the largest sample: on a coarse sweep that sample
    // can lie beyond a crossing, or the peak beyond the first sample. On each side the first
    // sample under the level brackets the crossing with the last point still at or over it.
    const auto edge = [&](int32_t i, int32_t step, int32_t stop) -> std::optional<double> {
        double inside = peak.frequency;
        for (; i != stop; i += step) {
            if (k(i) < level)
                return Crossing(model, f(i), inside, level);
            inside = f(i);
        }
        return std::nullopt;
    };
    // Samples [lower, upper) lie at the peak's own frequency.
    int32_t upper = 0;
    while (upper < rows && f(upper) <= peak.frequency)
        ++upper;
    int32_t lower = upper;
    while (lower > 0 && f(lower - 1) >= peak.frequency)
        --lower;
    points.LowerEdge = edge(lower - 1, -1, -1);
    points.UpperEdge = edge(upper, 1, rows);
    return points;
}
