#include "numerics/FloatError.h"
#include "plot/Chart.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

template <class Case> std::string NameOf(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// Failures name the case instead of dumping its bytes.
template <class Case> void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

struct EndCase {
    const char* name;
    double (*end)(double);
    double x;
    double expected;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.name;
}

class AxisEndTest : public testing::TestWithParam<EndCase> {};

TEST_P(AxisEndTest, IsRound) {
    EXPECT_EQ(GetParam().end(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AxisEndTest,
    testing::Values(EndCase{"CeilingOfFraction", NiceCeiling, 3.7, 4},
                    EndCase{"CeilingOfMultipleMovesUp", NiceCeiling, 20, 30},
                    EndCase{"CeilingCrossesPowerOfTen", NiceCeiling, 99, 100},
                    EndCase{"CeilingOfPowerOfTen", NiceCeiling, 100, 200},
                    // e = 0.1 and 0.01 are inexact doubles; the extended quotient falls just
                    // below 5 for 0.5 and just above it for 0.05.
                    EndCase{"CeilingOfHalfStays", NiceCeiling, 0.5, 0.5},
                    EndCase{"CeilingOfFiveHundredthsMovesUp", NiceCeiling, 0.05, 0.06},
                    EndCase{"FloorPastRound", NegativeAxisFloor, -37, -40},
                    EndCase{"FloorOfTen", NegativeAxisFloor, -10, -10},
                    EndCase{"FloorOfHundred", NegativeAxisFloor, -100, -100},
                    EndCase{"FloorJustPastHundred", NegativeAxisFloor, -105, -100},
                    EndCase{"FloorOfFraction", NegativeAxisFloor, -2.2, -2}),
    NameOf<EndCase>);

struct RangeCase {
    const char* name;
    std::vector<double> series;
    int32_t n;
    double step, min, max;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class AxisRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(AxisRangeTest, IncludesZeroAndSeries) {
    const RangeCase& c = GetParam();
    double step = 0, min = 0, max = 0;
    AxisRange(c.series, c.n, step, min, max);
    EXPECT_EQ(min, c.min);
    EXPECT_EQ(max, c.max);
    EXPECT_EQ(step, c.step);
}

// Several curves on one axis: the series taken one after the other, here each element a series of
// its own after an empty one.
TEST_P(AxisRangeTest, OfSeveralSeriesTakesInAll) {
    const RangeCase& c = GetParam();
    std::vector<Series> pieces{Series()};
    for (const double& v : c.series)
        pieces.push_back(Series(&v, 1));
    double step = 0, min = 0, max = 0;
    AxisRange(pieces, c.n, step, min, max);
    EXPECT_EQ(min, c.min);
    EXPECT_EQ(max, c.max);
    EXPECT_EQ(step, c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AxisRangeTest,
    testing::Values(RangeCase{"Positive", {10, 20, 35}, 10, 4, 0, 40},
                    RangeCase{"PositiveFourSteps", {35, 20, 10}, 4, 10, 0, 40},
                    RangeCase{"Negative", {-12, -3}, 10, 2, -20, 0},
                    RangeCase{"NegativeJustPastRound", {-105, -3}, 10, 10, -100, 0},
                    RangeCase{"MixedLargerAbove", {-3, 250}, 10, 40, -100, 300},
                    RangeCase{"MixedLargerBelow", {3, -250}, 10, 40, -300, 100},
                    RangeCase{"MixedPastRoundBelow", {-37, 5}, 10, 5, -40, 10},
                    RangeCase{"MixedTie", {-5, 5}, 2, 6, -6, 6},
                    RangeCase{"Fractions", {0.2, 0.5}, 10, 0.05, 0, 0.5},
                    RangeCase{"ZeroThroughout", {0, 0, 0}, 10, 0.1, 0, 1}),
    NameOf<RangeCase>);

TEST(AxisRange, FewerThanTwoStepsLeavesOutputs) {
    for (const int32_t n : {1, 0, -4}) {
        for (const std::vector<double>& series :
             {std::vector<double>{}, std::vector<double>{1, 50}}) {
            double step = 7, min = 8, max = 9;
            AxisRange(series, n, step, min, max);
            EXPECT_EQ(step, 7);
            EXPECT_EQ(min, 8);
            EXPECT_EQ(max, 9);
        }
    }
}

TEST(ArrayExtremes, EmptyIsNaNAndTiesKeepTheEarlier) {
    EXPECT_TRUE(std::isnan(ArrayMin({})));
    EXPECT_TRUE(std::isnan(ArrayMax({})));
    EXPECT_EQ(ArrayMin({3, -1, 2}), -1);
    EXPECT_EQ(ArrayMax({3, -1, 7}), 7);
    // +0 and −0 compare equal; the sign tells which one was kept.
    EXPECT_FALSE(std::signbit(ArrayMin({0.0, -0.0})));
    EXPECT_TRUE(std::signbit(ArrayMax({-0.0, 0.0})));
}

struct FailureCase {
    const char* name;
    void (*run)();
    FloatErrorKind kind;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class AxisFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(AxisFailureTest, RaisesFirstError) {
    try {
        GetParam().run();
        FAIL() << "no error raised";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(e.Kind(), GetParam().kind);
    }
}

void RangeOf(const std::vector<double>& series) {
    double step = 0, min = 0, max = 0;
    AxisRange(series, 10, step, min, max);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AxisFailureTest,
    testing::Values(
        // NaN extremes reach the Floor in NegativeAxisFloor.
        FailureCase{"EmptySeries", [] { RangeOf({}); }, FloatErrorKind::InvalidOperation},
        // log10(0) divides by zero before the Floor of −∞ would be invalid.
        FailureCase{"CeilingOfZero", [] { NiceCeiling(0); }, FloatErrorKind::DivisionByZero},
        FailureCase{"CeilingOfNegative", [] { NiceCeiling(-1); }, FloatErrorKind::InvalidOperation},
        FailureCase{"CeilingBeyondDouble", [] { NiceCeiling(DBL_MAX); }, FloatErrorKind::Overflow},
        FailureCase{"MixedBeyondDouble",
                    [] {
                        RangeOf({-DBL_MAX, 1});
                    },
                    FloatErrorKind::Overflow}),
    NameOf<FailureCase>);

} // namespace
