#pragma once

#include "plot/Surface.h"

#include <cstddef>
#include <cstdint>
#include <span>

// A histogram as bars: counts in equal bins from one value to another, side by side across a box
// of the surface, the tallest reaching its top. Plain values, so that the chart knows nothing of
// where the counts come from.

constexpr Rgb kBarColor{0, 128, 0};
constexpr Rgb kBaselineColor{0, 0, 0};

// The columns [Left, Right) bin `bin` of `bins` takes in `area`: the area's width shared out so
// that the bins tile it. When from == to every value is the same and the counts stand in one bar,
// a bin wide, in the middle (whichever bin holds them).
struct BarColumns {
    int32_t Left;
    int32_t Right;
};
BarColumns HistogramBin(double from, double to, size_t bin, size_t bins, ClipRect area);

// The column of `value` along the bars: linear from `from` at the area's left edge to `to` at its
// right one, kept inside the area; when from == to, the middle of the single bar for that value
// and either edge for one beyond it.
int32_t HistogramColumn(double from, double to, size_t bins, ClipRect area, double value);

// Draws the counts (bins from `from` to `to`) into `area` and nowhere else: a baseline along its
// bottom row and above it a bar per bin, filled a pixel column at a time, its height the count's
// share of the tallest, at least a pixel for any count above zero. A bin wider than two columns
// leaves its last one empty, so that neighbouring bars stay apart. No counts, or none above zero,
// draw the baseline alone; an area without a row to spare draws nothing.
void DrawHistogram(double from, double to, std::span<const int64_t> counts, ClipRect area,
                   Surface& surface);
