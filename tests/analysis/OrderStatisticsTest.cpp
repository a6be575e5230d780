#include "analysis/OrderStatistics.h"

#include "analysis/TrialStage.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct RankCase {
    const char* name;
    int64_t n;
    int percent;
    int64_t rank;
};

const RankCase kRanks[] = {
    {"OneValue", 1, 5, 1},
    {"MedianOfTwoIsTheFirst", 2, 50, 1},
    {"MedianOfThree", 3, 50, 2},
    {"FivePercentOfTwenty", 20, 5, 1},
    {"FivePercentOf21", 21, 5, 2},
    {"NinetyFivePercentOf20", 20, 95, 19},
    {"MinimumIsTheFirst", 100, 0, 1},
    {"NinetyFiveOf10000", 10000, 95, 9500},
};

class NearestRankOf : public testing::TestWithParam<RankCase> {};

TEST_P(NearestRankOf, IsTheCeilingOfTheShare) {
    EXPECT_EQ(NearestRank(GetParam().n, GetParam().percent), GetParam().rank);
}

INSTANTIATE_TEST_SUITE_P(Cases, NearestRankOf, testing::ValuesIn(kRanks),
                         [](const auto& info) { return info.param.name; });

// Values with the shapes the bracketing sample can get wrong: few, ascending (the sample then
// brackets well), descending, many equal, and a heavy tail the sample misses.
struct ValuesCase {
    const char* name;
    size_t n;
    double (*value)(size_t i, size_t n);
};

double Random(size_t i, size_t) {
    return static_cast<double>(StreamWord(7, i, 0, 0) >> 11);
}

const ValuesCase kValues[] = {
    {"One", 1, Random},
    {"Few", 37, Random},
    {"JustBelowTheSampledSize", 4095, Random},
    {"Many", 10'000, Random},
    {"Ascending", 20'000, [](size_t i, size_t) { return double(i); }},
    {"Descending", 20'000, [](size_t i, size_t n) { return double(n - i); }},
    {"MostlyEqual", 10'000, [](size_t i, size_t) { return i % 97 == 0 ? double(i) : 3.0; }},
    // Every sampled place (i·n/512) holds 0; everything else is large.
    {"SampleSeesOnlyZeros", 5120, [](size_t i, size_t) { return i % 10 == 0 ? 0.0 : 1E6 + i; }},
};

class SpreadOfValues : public testing::TestWithParam<ValuesCase> {};

TEST_P(SpreadOfValues, EqualsTheNearestRanksOfTheSortedValues) {
    const ValuesCase& c = GetParam();
    std::vector<double> values(c.n);
    for (size_t i = 0; i < c.n; ++i)
        values[i] = c.value(i, c.n);
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&](int percent) {
        return sorted[static_cast<size_t>(NearestRank(static_cast<int64_t>(c.n), percent) - 1)];
    };
    SpreadSelector selector;
    for (int round = 0; round < 2; ++round) { // the buffers kept from the first call
        std::vector<double> copy = values;
        const FiveQuantiles s = selector.Of(copy.data(), copy.size());
        EXPECT_EQ(s.Min, sorted.front());
        EXPECT_EQ(s.Low, at(5));
        EXPECT_EQ(s.Median, at(50));
        EXPECT_EQ(s.High, at(95));
        EXPECT_EQ(s.Max, sorted.back());
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, SpreadOfValues, testing::ValuesIn(kValues),
                         [](const auto& info) { return info.param.name; });

struct ShareCase {
    const char* name;
    int64_t met, n;
    double low, high; // the 95 % Wilson interval, from published tables
};

const ShareCase kShares[] = {
    {"ThirtyOfHundred", 30, 100, 0.2189, 0.3958},
    {"NoneOfTen", 0, 10, 0.0, 0.2775},
    {"AllOfTen", 10, 10, 0.7225, 1.0},
    {"HalfOfThousand", 500, 1000, 0.4691, 0.5309},
};

class WilsonShareOf : public testing::TestWithParam<ShareCase> {};

TEST_P(WilsonShareOf, MatchesTheTable) {
    const ShareCase& c = GetParam();
    const Share s = WilsonShare(c.met, c.n);
    EXPECT_DOUBLE_EQ(s.Value, double(c.met) / double(c.n));
    EXPECT_NEAR(s.Low, c.low, 1E-4);
    EXPECT_NEAR(s.High, c.high, 1E-4);
}

INSTANTIATE_TEST_SUITE_P(Cases, WilsonShareOf, testing::ValuesIn(kShares),
                         [](const auto& info) { return info.param.name; });

TEST(Histogram, PutsTheEndsInTheOuterBinsAndCountsEveryValue) {
    const Histogram h = MakeHistogram({1, 1.5, 2, 2, 4}, 1, 4);
    ASSERT_EQ(h.Counts.size(), size_t{kHistogramBins});
    EXPECT_EQ(h.Counts.front(), 1);
    EXPECT_EQ(h.Counts.back(), 1);
    EXPECT_EQ(h.Counts[kHistogramBins / 3], 2); // 2 is a third of the way
    EXPECT_EQ(MakeHistogram({3, 3}, 3, 3).Counts.front(), 2);
}

} // namespace
