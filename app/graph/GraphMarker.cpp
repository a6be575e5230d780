#include "GraphMarker.h"

#include "app/graph/GraphReadout.h"
#include "numerics/CheckedArithmetic.h"
#include "plot/Chart.h"

#include <algorithm>

namespace {

// Half the side of the square around the marked point, in pixels.
constexpr int32_t kMarkerHalfSide = 4;

} // namespace

std::optional<size_t> MovedMarker(std::optional<size_t> current, MarkerStep step, size_t computed) {
    if (computed < 2)
        return std::nullopt;
    const size_t last = computed - 1;
    const bool forward =
        step == MarkerStep::Next || step == MarkerStep::TenOn || step == MarkerStep::First;
    if (!current || *current > last)
        return forward ? 0 : last;
    switch (step) {
    case MarkerStep::Previous:
        return *current - std::min<size_t>(*current, 1);
    case MarkerStep::Next:
        return std::min(*current + 1, last);
    case MarkerStep::TenBack:
        return *current - std::min(*current, kMarkerPage);
    case MarkerStep::TenOn:
        return std::min(*current + kMarkerPage, last);
    case MarkerStep::First:
        return 0;
    case MarkerStep::Last:
        break;
    }
    return last;
}

std::optional<Point> MarkerPixel(const SweepResult& s, bool logScale, const KeptCurves* kept,
                                 const SpreadResult* band, ClipRect area, size_t row) {
    const auto computed = static_cast<size_t>(s.Computed);
    if (computed < 2 || row >= computed)
        return std::nullopt;
    try {
        const std::vector<double> logFrequencies =
            logScale ? Log10Series(s.Frequencies, static_cast<int32_t>(computed))
                     : std::vector<double>();
        const Series abscissae = logScale ? Series(logFrequencies) : s.ComputedFrequencies();
        const BandSeries edges = band != nullptr ? BandOnGraph(*band, logScale) : BandSeries();
        const std::vector<ChartCurve> curves =
            GraphCurves(s, logScale, kept, abscissae, band != nullptr ? &edges : nullptr);
        const ChartAxis x = HorizontalAxis(curves, kGraphDivisions, area);
        const ChartAxis y = VerticalAxis(curves, kGraphDivisions, area);
        const double gain = logScale ? s.Decibels[row] : s.Ratio[row];
        // The same arithmetic as the chart's curve, so the marker lands on its pixel.
        return EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) {
            return Point{ChartColumn<X>(x, abscissae[row]), ChartRow<X>(y, gain, area.Bottom)};
        });
    } catch (const FloatingPointError&) {
        return std::nullopt;
    }
}

void DrawMarker(Surface& surface, Point at) {
    const ClipRect clip = surface.Clip();
    surface.SetPenColor(kMarkerColor);
    surface.SetPenStyle(PenStyle::Dotted);
    surface.MoveTo(at.X, clip.Top + kChartMargin);
    surface.LineTo(at.X, clip.Bottom - kChartMargin);
    surface.SetPenStyle(PenStyle::Solid);
    const int32_t left = at.X - kMarkerHalfSide, right = at.X + kMarkerHalfSide;
    const int32_t top = at.Y - kMarkerHalfSide, bottom = at.Y + kMarkerHalfSide;
    const Point square[] = {
        {left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    surface.Polyline(square, std::size(square));
}
