#include "CharacteristicPoints.h"

#include "app/presenters/ResultTable.h"
#include "app/texts/Texts.h"
#include "calc/Calculation.h"
#include "numerics/CheckedArithmetic.h"

#include <algorithm>
#include <limits>

namespace {

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

bool Narrow(double a, double b) {
    const Extended span = Abs(Extended(b) - a);
    return span <= kRelativeTolerance * std::max(Abs(Extended(a)), Abs(Extended(b)));
}

// The point a given fraction of the way from a to b. In extended precision, so that no bracket
// of doubles overflows.
double Between(double a, double b, Extended fraction) {
    return Store(Extended(a) + (Extended(b) - a) * fraction);
}

struct Sample {
    double frequency;
    double ratio;
};

class Model {
  public:
    explicit Model(const StageParameters& parameters) : parameters_(parameters) {}
    Sample At(double f) const { return {f, ComplexAbs(StageGain(f, parameters_))}; }

  private:
    const StageParameters& parameters_;
};

// The largest |k| between a and b, starting from the sample `best` that lies between them. For
// a maximum at a or b the search closes in on that end, and the end's own sample wins.
Sample GoldenSectionMaximum(const Model& stage, double a, double b, Sample best) {
    const auto keep = [&](const Sample& s) {
        if (s.ratio > best.ratio)
            best = s;
        return s;
    };
    Sample lower = keep(stage.At(Between(b, a, kGoldenFraction)));
    Sample upper = keep(stage.At(Between(a, b, kGoldenFraction)));
    for (int step = 0; step < kMaxSteps && !Narrow(a, b); ++step) {
        if (lower.ratio < upper.ratio) {
            a = lower.frequency;
            lower = upper;
            upper = keep(stage.At(Between(a, b, kGoldenFraction)));
        } else {
            b = upper.frequency;
            upper = lower;
            lower = keep(stage.At(Between(b, a, kGoldenFraction)));
        }
        // The bracket can no longer be divided in doubles.
        if (!(a < lower.frequency && lower.frequency <= upper.frequency && upper.frequency < b))
            break;
    }
    return best;
}

// Where |k| crosses `level` between `below` (|k| under it) and `above` (at or over it).
double Crossing(const Model& stage, double below, double above, double level) {
    for (int step = 0; step < kMaxSteps && !Narrow(below, above); ++step) {
        const double middle = Between(below, above, 0.5L);
        if (middle == below || middle == above)
            break;
        (stage.At(middle).ratio < level ? below : above) = middle;
    }
    return Between(below, above, 0.5L);
}

} // namespace

std::optional<CharacteristicPoints> FindCharacteristicPoints(const SweepResult& s) {
    const int32_t rows = s.Computed;
    if (rows == 0)
        return std::nullopt;
    const auto f = [&](int32_t i) { return s.Frequencies[static_cast<size_t>(i)]; };
    const auto k = [&](int32_t i) { return s.Ratio[static_cast<size_t>(i)]; };
    const Model stage(s.Model);

    // The largest sample (the first of equals) and the bracket of its neighbours.
    int32_t top = 0;
    for (int32_t i = 1; i < rows; ++i)
        if (k(i) > k(top))
            top = i;
    Sample peak = GoldenSectionMaximum(stage, f(std::max(top - 1, 0)),
                                       f(std::min(top + 1, rows - 1)), {f(top), k(top)});
    // Near an end of the range that the gain rises towards, the search settles wherever
    // rounding puts the largest value: the end itself is the maximum then.
    std::optional<Sample> end;
    for (const int32_t i : {0, rows - 1})
        if (std::abs(i - top) <= 1 && k(i) >= peak.ratio * (1 - kModelRounding) &&
            (!end || k(i) > end->ratio))
            end = Sample{f(i), k(i)};
    if (end)
        peak = *end;

    CharacteristicPoints points{peak.frequency, peak.ratio, Decibel(peak.ratio), {}, {}};
    const double level = EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return Store(X(peak.ratio) / Sqrt(X(2))); });
    // Outward from the refined peak, not from the largest sample: on a coarse sweep that sample
    // can lie beyond a crossing, or the peak beyond the first sample. On each side the first
    // sample under the level brackets the crossing with the last point still at or over it.
    const auto edge = [&](int32_t i, int32_t step, int32_t end) -> std::optional<double> {
        double inside = peak.frequency;
        for (; i != end; i += step) {
            if (k(i) < level)
                return Crossing(stage, f(i), inside, level);
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

std::string CharacteristicPointsText(const CharacteristicPoints& p) {
    const auto edge = [](const char* side, const std::optional<double>& f) {
        return std::string("\n") + side + kEdgeInfix +
               (f ? GainText(*f) + kHertzSuffix : std::string(kEdgeOutOfRange));
    };
    std::string text = kPeakPrefix + GainText(p.PeakRatio) + " (" + GainText(p.PeakDecibels) +
                       kPeakFrequency + GainText(p.PeakFrequency) + kHertzSuffix +
                       edge(kLowerEdge, p.LowerEdge) + edge(kUpperEdge, p.UpperEdge);
    if (p.LowerEdge && p.UpperEdge)
        text += kBandPrefix + GainText(Store(Extended(*p.UpperEdge) - *p.LowerEdge)) + kHertzSuffix;
    return text;
}
