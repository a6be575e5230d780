#include "plot/HistogramChart.h"

#include "PixelSurface.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

// 300 columns, 30 bins of 10 (bars of 9 and a gap), baseline on row 120, 100 rows above it.
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
    // Columns and the height of bar colour each should hold.
    std::vector<std::pair<int32_t, int>> heights;
};

void PrintTo(const BarsCase& c, std::ostream* os) {
    *os << c.name;
}

class HistogramBars : public testing::TestWithParam<BarsCase> {};

TEST_P(HistogramBars, HeightsAreShareOfTheTallestAndTheBaselineSpansTheArea) {
    PixelSurface s({0, 0, 400, 200});
    DrawHistogram(GetParam().from, GetParam().to, GetParam().counts, kArea, s);
    for (const auto& [x, height] : GetParam().heights)
        EXPECT_EQ(s.Count(x, kBarColor), height) << "column " << x;
    for (int32_t x = kArea.Left; x < kArea.Right; ++x)
        ASSERT_EQ(s.pixels.at({x, 120}), kBaselineColor) << "column " << x;
    EXPECT_TRUE(s.AllInside(kArea));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistogramBars,
    testing::Values(
        BarsCase{"Proportional",
                 1,
                 4,
                 Bins({{0, 50}, {1, 100}, {2, 25}, {29, 1}}),
                 {{10, 50},
                  {18, 50},
                  {19, 0},
                  {20, 100},
                  {28, 100},
                  {30, 25},
                  {40, 0},
                  {300, 1},
                  {308, 1},
                  {309, 0}}},
        // A bin of one trial among thousands still shows a pixel.
        BarsCase{"OneTrialAmongManyShows", 1, 4, Bins({{3, 1000}, {4, 1}}), {{40, 100}, {50, 1}}},
        BarsCase{"AllTrialsEqualMakeOneBarInTheMiddle",
                 2.5,
                 2.5,
                 Bins({{0, 7}}),
                 {{10, 0}, {154, 0}, {155, 100}, {163, 100}, {164, 0}}},
        BarsCase{"NoCountsDrawTheBaselineAlone", 1, 4, {}, {{10, 0}, {150, 0}}},
        BarsCase{"ZeroCountsDrawTheBaselineAlone", 1, 4, Bins({}), {{10, 0}, {150, 0}}},
        BarsCase{"EqualEndsWithZeroCounts", 3, 3, Bins({}), {{155, 0}, {159, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ClipCase {
    const char* name;
    ClipRect area;
    size_t expectedPixels; // 0: nothing drawn
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.name;
}

class HistogramClip : public testing::TestWithParam<ClipCase> {};

TEST_P(HistogramClip, NothingLandsOutsideTheArea) {
    PixelSurface s({0, 0, 400, 200});
    DrawHistogram(0, 1, Bins({{0, 9}, {15, 3}, {29, 9}}), GetParam().area, s);
    EXPECT_TRUE(s.AllInside(GetParam().area));
    EXPECT_EQ(s.pixels.size(), GetParam().expectedPixels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistogramClip,
    testing::Values(
        // 30 bins in 7 columns: most get none (bins 0 and 15 among them), bin 29 the last.
        ClipCase{"NarrowerThanTheBins", {50, 50, 57, 60}, 7 + 9},
        ClipCase{"BaselineOnlyRow", {50, 50, 150, 51}, 100},
        ClipCase{"NoWidth", {50, 50, 50, 150}, 0}, ClipCase{"NoHeight", {50, 50, 150, 50}, 0},
        ClipCase{"Reversed", {150, 150, 50, 50}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColumnCase {
    const char* name;
    double from, to, value;
    int32_t expected;
};

void PrintTo(const ColumnCase& c, std::ostream* os) {
    *os << c.name;
}

class HistogramColumnTest : public testing::TestWithParam<ColumnCase> {};

TEST_P(HistogramColumnTest, ValueFallsOnItsColumn) {
    const ColumnCase& c = GetParam();
    EXPECT_EQ(HistogramColumn(c.from, c.to, 30, kArea, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, HistogramColumnTest,
                         testing::Values(ColumnCase{"LowEnd", 100, 400, 100, 10},
                                         ColumnCase{"HighEndOnTheLastColumn", 100, 400, 400, 309},
                                         ColumnCase{"Middle", 100, 400, 250, 160},
                                         ColumnCase{"OnABinsEdge", 100, 400, 110, 20},
                                         ColumnCase{"JustBelowABinsEdge", 100, 400, 109.99, 19},
                                         ColumnCase{"BelowTheRange", 100, 400, 50, 10},
                                         ColumnCase{"AboveTheRange", 100, 400, 1e300, 309},
                                         ColumnCase{"NotANumber", 100, 400, std::nan(""), 10},
                                         ColumnCase{"WideRange", -1e308, 1e308, 0, 160},
                                         ColumnCase{"EqualEndsInTheMiddleOfTheBar", 7, 7, 7, 159}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
