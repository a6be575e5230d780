#include "HistogramChart.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t Width(ClipRect area) {
    return std::max(area.Right - area.Left, 0);
}

// The left edge of bin `bin` when `bins` tile `width` columns.
int32_t BinEdge(size_t bin, size_t bins, int32_t width) {
    return static_cast<int32_t>(static_cast<int64_t>(bin) * width / static_cast<int64_t>(bins));
}

} // namespace

BarColumns HistogramBin(double from, double to, size_t bin, size_t bins, ClipRect area) {
    const int32_t width = Width(area);
    if (bins == 0)
        return {area.Left, area.Left};
    if (from == to) {
        const int32_t barWidth = BinEdge(1, bins, width);
        const int32_t left = area.Left + (width - barWidth) / 2;
        return {left, left + barWidth};
    }
    return {area.Left + BinEdge(bin, bins, width), area.Left + BinEdge(bin + 1, bins, width)};
}

int32_t HistogramColumn(double from, double to, size_t bins, ClipRect area, double value) {
    const int32_t width = Width(area);
    if (width == 0)
        return area.Left;
    if (from == to && value == from) {
        const BarColumns bar = HistogramBin(from, to, 0, bins, area);
        return bar.Left + std::max(bar.Right - bar.Left - 1, 0) / 2;
    }
    if (value > to)
        return area.Right - 1;
    if (!(value > from))
        return area.Left; // below the range, or NaN; so no division when from == to
    // Extended, so that the share of a value a hair inside either end neither overflows nor
    // rounds outside the area.
    const long double share =
        (static_cast<long double>(value) - from) / (static_cast<long double>(to) - from);
    const auto column = static_cast<int32_t>(std::floor(share * width));
    return area.Left + std::min(column, width - 1);
}

void DrawHistogram(double from, double to, std::span<const int64_t> counts, ClipRect area,
                   Surface& surface) {
    const int32_t baseline = area.Bottom - 1;
    if (Width(area) == 0 || baseline < area.Top)
        return;
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenColor(kBaselineColor);
    surface.MoveTo(area.Left, baseline);
    surface.LineTo(area.Right, baseline);

    // When all the values are equal they are all in one bin: one bar of their total.
    const size_t bins = counts.size();
    int64_t total = 0, tallest = 0;
    for (const int64_t c : counts) {
        total += std::max<int64_t>(c, 0);
        tallest = std::max(tallest, c);
    }
    if (from == to)
        tallest = total;
    const int32_t room = baseline - area.Top; // rows above the baseline
    if (tallest <= 0 || room <= 0)
        return;
    surface.SetPenColor(kBarColor);
    for (size_t bin = 0; bin < (from == to ? 1 : bins); ++bin) {
        const int64_t count = from == to ? total : counts[bin];
        if (count <= 0)
            continue;
        const auto height = std::clamp<int32_t>(
            static_cast<int32_t>(std::lround(static_cast<long double>(count) * room /
                                             static_cast<long double>(tallest))),
            1, room);
        BarColumns bar = HistogramBin(from, to, bin, bins, area);
        if (bar.Right - bar.Left > 2)
            --bar.Right;
        for (int32_t x = bar.Left; x < bar.Right; ++x) {
            surface.MoveTo(x, baseline - 1);
            surface.LineTo(x, baseline - 1 - height);
        }
    }
}
