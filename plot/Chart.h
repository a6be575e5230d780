#pragma once

#include "numerics/CheckedArithmetic.h"
#include "numerics/Rounding.h"
#include "plot/Surface.h"

#include <cstdint>
#include <span>
#include <string>

// Axis scaling and the chart. The arithmetic is that of the x87: intermediates in extended
// precision, stored as double where noted; a division by zero, an invalid operation or an
// overflow raises FloatingPointError at the first operation that fails.

// The smallest and the largest element; NaN for an empty series. Of equal elements the earlier
// one is kept.
double ArrayMin(const std::vector<double>& a);
double ArrayMax(const std::vector<double>& a);

// For x > 0: the next multiple of the leading power of ten e above x (3.7 → 4, 100 → 200). The
// quotient x / e is taken in extended precision against e stored as a double, so for e < 1 an
// exact multiple may come back unchanged (0.5 → 0.5, but 0.05 → 0.06).
double NiceCeiling(double x);

// Lower axis end for a series that is nowhere positive (x ≤ 0): −NiceCeiling(|x − x/10|), so
// that a minimum just past a round value does not double the axis (−105 → −100, −37 → −40).
double NegativeAxisFloor(double x);

// Axis ends for mn < 0 < mx: one power of ten, that of the larger magnitude, rounds both ends
// outwards ((−37, 5) → −40 … 10; (−3, 250) → −100 … 300).
void MixedAxisRange(double mn, double mx, double& axisMin, double& axisMax);

// A round range that includes zero and, as a rule, the series, divided into n steps. For n < 2
// the outputs are left as they are. A series that is zero throughout gets 0 … 1.
void AxisRange(const std::vector<double>& series, int32_t n, double& step, double& axisMin,
               double& axisMax);

// A view of a series held elsewhere.
using Series = std::span<const double>;

constexpr Rgb kGridColor{128, 128, 128};
constexpr Rgb kCurveColor{0, 128, 0};

// One curve of a chart: ys over xs (ys at least as long as xs), in its colour.
struct ChartCurve {
    Series xs;
    Series ys;
    Rgb color;
};

// The range of several series on one axis: that of the series taken one after the other.
void AxisRange(std::span<const Series> series, int32_t n, double& step, double& axisMin,
               double& axisMax);

// Pixels between the chart and each edge of the surface's clip rectangle.
constexpr int32_t kChartMargin = 10;

// One axis of the chart as DrawChart scales it: the round range and grid step AxisRange gives
// the series, and the pixels per unit that fit the range into the axis's extent.
struct ChartAxis {
    double step;
    double min;
    double max;
    Extended scale;
};

// The chart's axes for a clip rectangle: the horizontal one spans its width, the vertical one its
// height, each less both margins. For n < 2 the range stays 0 … 0 and the scale divides by zero.
ChartAxis HorizontalAxis(const std::vector<double>& xs, int32_t n, ClipRect clip);
ChartAxis VerticalAxis(const std::vector<double>& ys, int32_t n, ClipRect clip);
// The same for several curves on one chart, ranged over all of them.
ChartAxis HorizontalAxis(std::span<const ChartCurve> curves, int32_t n, ClipRect clip);
ChartAxis VerticalAxis(std::span<const ChartCurve> curves, int32_t n, ClipRect clip);

// Where v lies along the axis, in pixels from the margin, before the chart rounds it to a pixel.
// For use inside EvaluateWithFloatChecks, as the chart evaluates it.
template <class X> X AxisPosition(const ChartAxis& axis, double v) {
    return (X(v) - axis.min) * axis.scale;
}

// The column of the chart's point with abscissa v: its rounded position past the left margin.
// Pixel arithmetic is 32-bit and wraps, as the processor's integer adds do.
template <class X> int32_t ChartColumn(const ChartAxis& axis, double v) {
    return static_cast<int32_t>(int64_t{RoundToInt32(AxisPosition<X>(axis, v))} + kChartMargin);
}

// The row of the chart's point with ordinate v over a clip whose bottom edge is `bottom`: its
// rounded position above the bottom margin.
template <class X> int32_t ChartRow(const ChartAxis& axis, double v, int32_t bottom) {
    return static_cast<int32_t>(int64_t{bottom} - RoundToInt32(AxisPosition<X>(axis, v)) -
                                kChartMargin);
}

// The label of grid line k (0 … n) of the axis: its value as the chart writes it.
std::string GridLabel(const ChartAxis& axis, int32_t k);

// The curve ys over xs in green inside the surface's clip rectangle with 10-pixel margins, over a
// dotted grid of n divisions per axis labelled with the grid values.
void DrawChart(const std::vector<double>& xs, const std::vector<double>& ys, int32_t n,
               Surface& surface);

// Several curves over one grid, on axes ranged over all of them; each drawn as the one above,
// in the order given, so the last lies on top.
void DrawChart(std::span<const ChartCurve> curves, int32_t n, Surface& surface);
