#include "Chart.h"

#include "numerics/CheckedArithmetic.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

struct Ends {
    double min;
    double max;
};

struct Scale {
    double step;
    double min;
    double max;
};

// 10^Floor(log10(v)), stored as a double.
template <class X> double LeadingPowerOfTen(X v) {
    return Store(PowerOfTen<X>(FloorToInt32(Log10(v))));
}

// e is stored before dividing: for e < 1 it is inexact, and that decides whether an exact
// multiple of e moves up (see the header).
template <class X> double NiceCeilingOf(double x) {
    const double e = LeadingPowerOfTen(X(x));
    return Store((X(FloorToInt32(X(x) / e)) + 1) * e);
}

template <class X> double NegativeAxisFloorOf(double x) {
    return -NiceCeilingOf<X>(Store(Abs(X(x) - X(x) / 10)));
}

template <class X> Ends MixedEndsOf(double mn, double mx) {
    const X below = -X(mn);
    const X larger = below >= X(mx) ? below : X(mx);
    const double e = LeadingPowerOfTen(larger);
    return {Store(-X(e) * (X(FloorToInt32(below / e)) + 1)),
            Store(X(e) * (X(FloorToInt32(X(mx) / e)) + 1))};
}

// mn and mx are NaN for an empty series: the comparisons are the quiet ones, so the failure is
// the Floor of NaN in NegativeAxisFloor, as on the processor.
template <class X> Scale ScaleOf(double mn, double mx, int32_t n) {
    Ends ends{};
    if (std::isgreaterequal(mn, 0.0)) {
        // A gain of exactly 1 throughout is 0 dB everywhere; log10(0) would stop the chart.
        ends = {0, mx == 0 ? 1.0 : NiceCeilingOf<X>(mx)};
    } else if (std::isgreater(mx, 0.0)) {
        ends = MixedEndsOf<X>(mn, mx);
    } else {
        ends = {NegativeAxisFloorOf<X>(mn), 0};
    }
    return {Store((X(ends.max) - ends.min) / n), ends.min, ends.max};
}

// Pixel arithmetic is 32-bit and wraps, as the processor's integer adds do.
inline int32_t Wrap32(int64_t v) {
    return static_cast<int32_t>(v);
}

// Pixels from the margin to grid line k: Round(k · step · scale).
int32_t GridOffset(int32_t k, double step, Extended scale) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return RoundToInt32(X(k) * step * scale); });
}

// The value at grid line k, as its label shows it.
double GridValue(int32_t k, double step, double min) {
    return EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return Store(X(k) * step + min); });
}

// The element of all the series, taken one after the other, that no later one `replaces`; NaN when
// they are all empty.
template <class Replaces> double Extreme(std::span<const Series> all, Replaces replaces) {
    double r = std::numeric_limits<double>::quiet_NaN();
    const auto first = std::find_if(all.begin(), all.end(), [](Series s) { return !s.empty(); });
    if (first != all.end())
        r = first->front();
    for (const Series series : all)
        for (const double v : series)
            if (replaces(v, r))
                r = v;
    return r;
}

double Smallest(std::span<const Series> all) {
    return Extreme(all, [](double v, double r) { return !std::isgreaterequal(v, r); });
}

double Largest(std::span<const Series> all) {
    return Extreme(all, [](double v, double r) { return std::isgreater(v, r); });
}

// Left as they are by AxisRange for n < 2; the scale then divides by zero.
ChartAxis ScaleAxis(std::span<const Series> series, int32_t n, int32_t extent) {
    ChartAxis axis{0, 0, 0, 0};
    AxisRange(series, n, axis.step, axis.min, axis.max);
    axis.scale = EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return X(extent) / (X(axis.max) - axis.min); });
    return axis;
}

// The pixels each axis spans: the clip rectangle's less both margins.
int32_t HorizontalExtent(ClipRect clip) {
    return Wrap32(int64_t{clip.Right} - clip.Left - 2 * kChartMargin);
}

int32_t VerticalExtent(ClipRect clip) {
    return Wrap32(int64_t{clip.Bottom} - clip.Top - 2 * kChartMargin);
}

// One curve onto axes already scaled, in the pen already chosen.
void DrawCurve(const ChartCurve& curve, const ChartAxis& x, const ChartAxis& y, Surface& surface) {
    // The curve goes to the surface in chunks, so a million-point sweep needs no buffer of its
    // own. Each chunk starts at the last point of the one before: the line stays continuous and
    // its pixels are those of one polyline. No surface call comes between the points of a chunk,
    // so one reading of the clip serves it.
    constexpr size_t kChunk = 4096;
    std::array<Point, kChunk> chunk;
    const size_t count = curve.xs.size();
    size_t filled = 0; // points of the chunk computed so far
    for (size_t first = 0; first < count; first += kChunk - 1) {
        const size_t size = std::min(kChunk, count - first);
        const int32_t bottom = surface.Clip().Bottom;
        try {
            EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) {
                for (filled = 0; filled < size; ++filled) {
                    const size_t j = first + filled;
                    chunk[filled] = {ChartColumn<X>(x, curve.xs[j]),
                                     ChartRow<X>(y, curve.ys[j], bottom)};
                }
                return 0;
            });
        } catch (const FloatingPointError&) {
            // The curve up to the point that failed, as drawing it segment by segment would.
            surface.Polyline(chunk.data(), filled);
            throw;
        }
        surface.Polyline(chunk.data(), size);
        if (size < kChunk)
            break;
    }
}

} // namespace

double ArrayMin(const std::vector<double>& a) {
    const Series one[] = {a};
    return Smallest(one);
}

double ArrayMax(const std::vector<double>& a) {
    const Series one[] = {a};
    return Largest(one);
}

double NiceCeiling(double x) {
    return EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return NiceCeilingOf<X>(x); });
}

double NegativeAxisFloor(double x) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return NegativeAxisFloorOf<X>(x); });
}

void MixedAxisRange(double mn, double mx, double& axisMin, double& axisMax) {
    const Ends ends =
        EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return MixedEndsOf<X>(mn, mx); });
    axisMin = ends.min;
    axisMax = ends.max;
}

void AxisRange(const std::vector<double>& series, int32_t n, double& step, double& axisMin,
               double& axisMax) {
    const Series one[] = {series};
    AxisRange(one, n, step, axisMin, axisMax);
}

void AxisRange(std::span<const Series> series, int32_t n, double& step, double& axisMin,
               double& axisMax) {
    if (n < 2)
        return;
    const double mx = Largest(series);
    const double mn = Smallest(series);
    const Scale s =
        EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return ScaleOf<X>(mn, mx, n); });
    step = s.step;
    axisMin = s.min;
    axisMax = s.max;
}

ChartAxis HorizontalAxis(const std::vector<double>& xs, int32_t n, ClipRect clip) {
    const Series one[] = {xs};
    return ScaleAxis(one, n, HorizontalExtent(clip));
}

ChartAxis VerticalAxis(const std::vector<double>& ys, int32_t n, ClipRect clip) {
    const Series one[] = {ys};
    return ScaleAxis(one, n, VerticalExtent(clip));
}

ChartAxis HorizontalAxis(std::span<const ChartCurve> curves, int32_t n, ClipRect clip) {
    std::vector<Series> xs;
    for (const ChartCurve& curve : curves)
        xs.push_back(curve.xs);
    return ScaleAxis(xs, n, HorizontalExtent(clip));
}

ChartAxis VerticalAxis(std::span<const ChartCurve> curves, int32_t n, ClipRect clip) {
    std::vector<Series> ys;
    for (const ChartCurve& curve : curves)
        ys.push_back(curve.ys);
    return ScaleAxis(ys, n, VerticalExtent(clip));
}

std::string GridLabel(const ChartAxis& axis, int32_t k) {
    return NumberToText(GridValue(k, axis.step, axis.min));
}

void DrawChart(const std::vector<double>& xs, const std::vector<double>& ys, int32_t n,
               Surface& surface) {
    const ChartCurve one[] = {{xs, ys, kCurveColor}};
    DrawChart(one, n, surface);
}

void DrawChart(std::span<const ChartCurve> curves, int32_t n, Surface& surface) {
    constexpr int32_t kMargin = kChartMargin;

    const ChartAxis x = HorizontalAxis(curves, n, surface.Clip());
    const ChartAxis y = VerticalAxis(curves, n, surface.Clip());

    // The clip is read afresh at every use: it belongs to the window, not to the chart.
    surface.SetPenStyle(PenStyle::Dotted);
    surface.SetPenColor(kGridColor);
    for (int64_t i = 0; i <= n; ++i) {
        const auto k = static_cast<int32_t>(i);
        const int32_t xi = Wrap32(int64_t{GridOffset(k, x.step, x.scale)} + kMargin);
        surface.MoveTo(xi, kMargin);
        surface.LineTo(xi, Wrap32(int64_t{surface.Clip().Bottom} - kMargin));
        surface.TextOut(xi, Wrap32(int64_t{surface.Clip().Bottom} - kMargin), GridLabel(x, k));

        const int32_t yi =
            Wrap32(int64_t{surface.Clip().Bottom} - GridOffset(k, y.step, y.scale) - kMargin);
        surface.MoveTo(kMargin, yi);
        surface.LineTo(Wrap32(int64_t{surface.Clip().Right} - kMargin), yi);
        surface.TextOut(kMargin, yi, GridLabel(y, k));
    }

    surface.SetPenStyle(PenStyle::Solid);
    for (const ChartCurve& curve : curves) {
        surface.SetPenColor(curve.color);
        DrawCurve(curve, x, y, surface);
    }
}
