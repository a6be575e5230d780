#include "GraphReadout.h"

#include "app/presenters/ResultTable.h"
#include "app/texts/Texts.h"
#include "numerics/CheckedArithmetic.h"
#include "plot/Chart.h"

#include <algorithm>

std::vector<ChartCurve> GraphCurves(const SweepResult& result, bool logScale,
                                    const KeptCurves* kept, Series abscissae,
                                    const BandSeries* band) {
    std::vector<ChartCurve> curves;
    if (band != nullptr) {
        curves.push_back({band->Xs, band->Min, kBandOuterColor});
        curves.push_back({band->Xs, band->Max, kBandOuterColor});
    }
    if (kept != nullptr) {
        for (size_t place = 0; place < kept->Curves().size(); ++place) {
            const KeptCurve& curve = kept->Curves()[place];
            if (curve.Drawable(logScale))
                curves.push_back({logScale ? Series(curve.LogFrequencies) : curve.Frequencies,
                                  logScale ? curve.Decibels : curve.Ratio,
                                  kKeptCurveColors[place]});
        }
    }
    const Series gains = logScale ? result.Decibels : result.Ratio;
    curves.push_back({abscissae, gains.first(abscissae.size()), kCurveColor});
    return curves;
}

std::optional<GraphPoint> PointUnderPointer(const SweepResult& s, bool logScale, ClipRect area,
                                            int32_t x, const KeptCurves* kept) {
    const int32_t rows = s.Computed;
    if (rows == 0)
        return std::nullopt;
    try {
        const std::vector<double> logFrequencies =
            logScale ? Log10Series(s.Frequencies, rows) : std::vector<double>();
        const Series abscissae = logScale ? Series(logFrequencies) : s.ComputedFrequencies();
        const ChartAxis axis =
            HorizontalAxis(GraphCurves(s, logScale, kept, abscissae), kGraphDivisions, area);
        // The pointer as a position past the margin, comparable with AxisPosition.
        const Extended pointer = Extended(x) - kChartMargin;
        const size_t nearest = EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) {
            size_t best = 0;
            X bestDistance = Abs(AxisPosition<X>(axis, abscissae[0]) - pointer);
            for (size_t i = 1; i < abscissae.size(); ++i) {
                const X distance = Abs(AxisPosition<X>(axis, abscissae[i]) - pointer);
                if (distance < bestDistance) {
                    best = i;
                    bestDistance = distance;
                }
            }
            return best;
        });
        return GraphPoint{s.Frequencies[nearest], s.Ratio[nearest], s.Decibels[nearest]};
    } catch (const FloatingPointError&) {
        return std::nullopt;
    }
}

std::string ReadoutText(const GraphPoint& point) {
    return kReadoutFrequency + FrequencyText(point.Frequency) + kReadoutRatio +
           GainText(point.Ratio) + " (" + GainText(point.Decibels) + kReadoutDecibels;
}

namespace {

// The index of the element of the ascending series nearest x, the lower on a tie.
size_t NearestSample(Series xs, Extended x) {
    const auto above = std::lower_bound(xs.begin(), xs.end(), x);
    if (above == xs.begin())
        return 0;
    if (above == xs.end())
        return xs.size() - 1;
    const auto i = static_cast<size_t>(above - xs.begin());
    return x - xs[i - 1] <= xs[i] - x ? i - 1 : i;
}

} // namespace

std::vector<KeptPoint> KeptPointsAt(const KeptCurves& kept, bool logScale, double frequency) {
    std::vector<KeptPoint> points;
    const Extended position = logScale ? std::log10(Extended(frequency)) : frequency;
    for (size_t place = 0; place < kept.Curves().size(); ++place) {
        const KeptCurve& curve = kept.Curves()[place];
        if (!curve.Drawable(logScale))
            continue;
        const size_t i =
            NearestSample(logScale ? Series(curve.LogFrequencies) : curve.Frequencies, position);
        points.push_back({place + 1, {curve.Frequencies[i], curve.Ratio[i], curve.Decibels[i]}});
    }
    return points;
}

std::string ReadoutText(const GraphPoint& point, const std::vector<KeptPoint>& kept) {
    std::string text = ReadoutText(point);
    for (const KeptPoint& k : kept) {
        text.append("\n")
            .append(std::to_string(k.Number))
            .append(": ")
            .append(ReadoutText(k.Point));
        // A few to a line, so that a tooltip of thirteen differences stays narrow.
        constexpr size_t kPerLine = 3;
        for (size_t i = 0; i < k.Differences.size(); ++i)
            text.append(i % kPerLine == 0 ? "\n    " : " ")
                .append(k.Differences[i])
                .append(i + 1 < k.Differences.size() ? "," : "");
    }
    return text;
}

// The readout names every difference of each kept curve from the current stage, which the
// legend may have shortened.
std::string PointReadout(const SweepResult& result, bool logScale, const KeptCurves& kept,
                         const GraphPoint& point) {
    std::vector<KeptPoint> samples = KeptPointsAt(kept, logScale, point.Frequency);
    for (KeptPoint& sample : samples)
        sample.Differences =
            Differences(kept.Curves()[sample.Number - 1].Result->Entered, result.Entered);
    return ReadoutText(point, samples);
}

std::string RowReadout(const SweepResult& s, bool logScale, const KeptCurves& kept, size_t row) {
    return PointReadout(s, logScale, kept, {s.Frequencies[row], s.Ratio[row], s.Decibels[row]});
}

std::optional<std::string> ReadoutUnderPointer(const SweepResult& result, bool logScale,
                                               const KeptCurves& kept, ClipRect area, int32_t x) {
    const auto point = PointUnderPointer(result, logScale, area, x, &kept);
    if (!point)
        return std::nullopt;
    return PointReadout(result, logScale, kept, *point);
}
