#pragma once

#include "CalcState.h"
#include "plot/Surface.h"

#include <cstdint>
#include <optional>
#include <string>

// What the graph window draws from the calculation state, and what it reads back under the
// pointer. The window's own paint and its readout share these, so both map a frequency to the
// same pixel.

// Grid divisions on each axis of the graph.
constexpr int32_t kGraphDivisions = 10;

// log10 of the first `count` frequencies, the horizontal series of the decibel graph; a
// frequency of zero or below is a floating-point error.
arDouble Log10Series(const arDouble& frequencies, int32_t count);

// One computed row: its frequency (Hz, in either graph mode), ratio and decibels.
struct GraphPoint {
    double Frequency;
    double Ratio;
    double Decibels;
};

// The computed row whose point the chart, drawn into `area`, puts nearest to the pointer's
// column x: nearest by the exact position the chart rounds to a pixel, the lower frequency on a
// tie. Only rows of the last calculation count. Nothing when there are none, or when the chart
// itself cannot be drawn (its paint reports why, once; a pointer moving over it does not).
std::optional<GraphPoint> PointUnderPointer(const CalcState& state, ClipRect area, int32_t x);

// "f = 1010 Гц, |k| = 21.0892 (26.4812 дБ)": the numbers as the result table writes them.
std::string ReadoutText(const GraphPoint& point);
