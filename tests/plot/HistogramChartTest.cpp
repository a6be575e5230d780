#include "plot/HistogramChart.h"

#include "PixelSurface.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// 300 columns from 10: bins of 10 (bars of 9 and a gap), baseline on row 120, 100 rows above it.
constexpr ClipRect kArea{10, 20, 310, 121};

std::vector<int64_t> Bins(std::initializer_list<std::pair<size_t, int64_t>> set) {
    std::vector<int64_t> counts(30, 0);
    for (const auto& [bin, count] : set)
        counts[bin] = count;
    return counts;
}

struct BarsCase {
    const char* name;
    double from, to;
    std::vector<int64_t> counts;
    ClipRect area;
    std::vector<std::pair<int32_t, int>> heights; // bar pixels in these columns
    size_t pixels;                                // in all, the baseline's included
};

class HistogramBars : public testing::TestWithParam<BarsCase> {};

TEST_P(HistogramBars, StandInTheAreaAsTallAsTheirShareOfTheTallest) {
    const BarsCase& c = GetParam();
    PixelSurface s({0, 0, 400, 200});
    DrawHistogram(c.from, c.to, c.counts, c.area, s);
    for (const auto& [x, height] : c.heights)
        EXPECT_EQ(s.Count(x, kBarColor), height) << "column " << x;
    EXPECT_EQ(s.pixels.size(), c.pixels);
    EXPECT_TRUE(s.AllInside(c.area));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistogramBars,
    testing::Values(
        BarsCase{"Proportional",
                 1,
                 4,
                 Bins({{0, 50}, {1, 100}, {29, 25}}),
                 kArea,
                 {{10, 50}, {18, 50}, {19, 0}, {20, 100}, {300, 25}, {308, 25}, {309, 0}},
                 300 + 9 * 175},
        BarsCase{"OneAmongManyShows", 1, 4, Bins({{3, 1000}, {4, 1}}), kArea, {{50, 1}}, 300 + 909},
        // All trials equal: all in the first bin, drawn a bin wide in the middle.
        BarsCase{"EqualEndsMakeOneBarInTheMiddle",
                 2.5,
                 2.5,
                 Bins({{0, 7}}),
                 kArea,
                 {{154, 0}, {155, 100}, {163, 100}, {164, 0}},
                 300 + 900},
        BarsCase{"NoCountsAboveZero", 3, 3, Bins({}), kArea, {}, 300},
        // 30 bins in 7 columns: bin 0 gets none, bin 29 the last column.
        BarsCase{"NarrowerThanTheBins",
                 0,
                 1,
                 Bins({{0, 9}, {29, 9}}),
                 {50, 50, 57, 60},
                 {{56, 9}},
                 7 + 9},
        BarsCase{"Reversed", 0, 1, Bins({{0, 9}}), {150, 150, 50, 50}, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColumnCase {
    const char* name;
    double from, to, value;
    int32_t expected;
};

class HistogramColumnOf : public testing::TestWithParam<ColumnCase> {};

TEST_P(HistogramColumnOf, ValueKeptInsideTheArea) {
    const ColumnCase& c = GetParam();
    EXPECT_EQ(HistogramColumn(c.from, c.to, 30, kArea, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, HistogramColumnOf,
                         testing::Values(ColumnCase{"LowEnd", 100, 400, 100, 10},
                                         ColumnCase{"HighEndOnTheLastColumn", 100, 400, 400, 309},
                                         ColumnCase{"BinEdge", 100, 400, 110, 20},
                                         ColumnCase{"FarAbove", 100, 400, 1e300, 309},
                                         ColumnCase{"NotANumber", 100, 400, std::nan(""), 10},
                                         ColumnCase{"EqualEndsMiddleOfTheBar", 7, 7, 7, 159},
                                         ColumnCase{"EqualEndsAbove", 7, 7, 8, 309}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
