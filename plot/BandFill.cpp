#include "BandFill.h"

#include <algorithm>
#include <climits>
#include <vector>

void FillBand(Series xs, Series lower, Series upper, const ChartAxis& x, const ChartAxis& y,
              Surface& surface) {
    const ClipRect clip = surface.Clip();
    const int32_t width = std::max(0, clip.Right);
    if (xs.empty() || width == 0)
        return;
    // Per pixel column, the highest and lowest row the band covers there.
    std::vector<int32_t> top(static_cast<size_t>(width), INT32_MAX);
    std::vector<int32_t> bottom(static_cast<size_t>(width), INT32_MIN);
    struct Column {
        int32_t column, high, low; // rows: high above low on the screen
    };
    const auto at = [&](size_t j) {
        return EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) {
            const auto row = [&](double v) {
                return static_cast<int32_t>(int64_t{clip.Bottom} -
                                            RoundToInt32(AxisPosition<X>(y, v)) - kChartMargin);
            };
            return Column{ChartColumn<X>(x, xs[j]), row(upper[j]), row(lower[j])};
        });
    };
    const auto cover = [&](int32_t column, int32_t high, int32_t low) {
        if (column < 0 || column >= width)
            return;
        const auto c = static_cast<size_t>(column);
        top[c] = std::min({top[c], high, low});
        bottom[c] = std::max({bottom[c], high, low});
    };
    Column previous = at(0);
    cover(previous.column, previous.high, previous.low);
    for (size_t j = 1; j < xs.size(); ++j) {
        const Column next = at(j);
        const int64_t span = int64_t{next.column} - previous.column;
        const int32_t from = std::max(0, std::min(previous.column, next.column));
        const int32_t to = std::min(width - 1, std::max(previous.column, next.column));
        for (int32_t c = from; c <= to; ++c) {
            // The rows where the segment's edges cross this column, in whole pixels.
            const auto along = [&](int32_t a, int32_t b) {
                return span == 0 ? a
                                 : static_cast<int32_t>(a + (int64_t{b} - a) *
                                                                (c - previous.column) / span);
            };
            cover(c, along(previous.high, next.high), along(previous.low, next.low));
        }
        previous = next;
    }
    for (int32_t c = 0; c < width; ++c) {
        const auto i = static_cast<size_t>(c);
        if (top[i] > bottom[i])
            continue;
        surface.MoveTo(c, top[i]);
        surface.LineTo(c, bottom[i] + 1);
    }
}
