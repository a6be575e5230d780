#pragma once

#include "app/graph/KeptCurves.h"
#include "app/graph/LogFrequencies.h"
#include "app/graph/SpreadBand.h"
#include "calc/SweepResult.h"
#include "plot/Chart.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the graph window draws from a result, and what it reads back under the pointer. The window's
// own paint and its readout share these, so both map a frequency to the same pixel.

// Grid divisions on each axis of the graph.
constexpr int32_t kGraphDivisions = 10;

// The curves of the graph: the tolerance analysis's band's edges (its series kept by the caller)
// under the kept ones that can be drawn in its mode, by place, under the current one, whose
// abscissae (its frequencies, or their log10 in the decibel graph) are given.
std::vector<ChartCurve> GraphCurves(const SweepResult& result, bool logScale,
                                    const KeptCurves* kept, Series abscissae,
                                    const BandSeries* band = nullptr);

// One computed row: its frequency (Hz, in either graph mode), ratio and decibels.
struct GraphPoint {
    double Frequency;
    double Ratio;
    double Decibels;
};

// The computed row whose point the chart, drawn into `area`, puts nearest to the pointer's
// column x: nearest by the exact position the chart rounds to a pixel, the lower frequency on a
// tie. Only rows of the last calculation count. Nothing when there are none, or when the chart
// itself cannot be drawn (its paint reports why, once; a pointer moving over it does not). The
// kept curves drawn beside it widen the axis.
std::optional<GraphPoint> PointUnderPointer(const SweepResult& result, bool logScale, ClipRect area,
                                            int32_t x, const KeptCurves* kept = nullptr);

// A kept curve's sample, numbered as the legend numbers the curve.
struct KeptPoint {
    size_t Number;
    GraphPoint Point;
    // What sets the curve apart from the current stage, in full (the legend may shorten it).
    std::vector<std::string> Differences = {};
};

// Of each kept curve drawn in the graph's mode, the sample nearest `frequency` along the
// horizontal axis (in log10 f in the decibel graph), the lower on a tie.
std::vector<KeptPoint> KeptPointsAt(const KeptCurves& kept, bool logScale, double frequency);

// "f = 1010 Гц, |k| = 21.0892 (26.4812 дБ)": the numbers as the result table writes them.
std::string ReadoutText(const GraphPoint& point);
// The same, then a line for each kept curve's sample: "1: f = 1000 Гц, |k| = …", and under it
// the curve's differences, indented, a few to a line.
std::string ReadoutText(const GraphPoint& point, const std::vector<KeptPoint>& kept);

// The readout of a point of the current curve and the kept curves' samples nearest its frequency,
// each with all that sets its curve apart.
std::string PointReadout(const SweepResult& result, bool logScale, const KeptCurves& kept,
                         const GraphPoint& point);

// The readout of computed row `row` of the current curve: its point and the kept curves' samples
// nearest its frequency, as the tooltip under the pointer reads at that point.
std::string RowReadout(const SweepResult& result, bool logScale, const KeptCurves& kept,
                       size_t row);

// The tooltip under the pointer: the current curve's point nearest it and the kept curves' samples
// nearest that point's frequency, each with all that sets its curve apart. Nothing as
// PointUnderPointer.
std::optional<std::string> ReadoutUnderPointer(const SweepResult& result, bool logScale,
                                               const KeptCurves& kept, ClipRect area, int32_t x);
