#include "numerics/Rounding.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct RoundingCase {
    const char* name;
    double x;
    double expected;
};

class RoundSignificantTest : public testing::TestWithParam<RoundingCase> {};

TEST_P(RoundSignificantTest, KeepsFiveOrSixDigits) {
    EXPECT_EQ(RoundSignificant(5, GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundSignificantTest,
    testing::Values(RoundingCase{"Zero", 0, 0},
                    // log10 rounds down: six digits
                    RoundingCase{"SixDigitsWhenLogRoundsDown", 1234.5678, 1234.57},
                    // log10 rounds up: five digits
                    RoundingCase{"FiveDigitsWhenLogRoundsUp", 5678.1234, 5678.1},
                    RoundingCase{"SmallValue", 0.012345678, 0.0123457},
                    RoundingCase{"LargeValueBecomesWhole", 999999.4, 999999},
                    RoundingCase{"TypicalDecibels", 6.0205999, 6.0206},
                    RoundingCase{"Negative", -1234.5678, -1234.57},
                    RoundingCase{"HalfToEvenOnWhole", 100000.5, 100000},
                    RoundingCase{"WholeFromAbout31623", 31623.4, 31623},
                    RoundingCase{"JustBelow31623KeepsFraction", 31622.46, 31622.5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundSignificant, WorksForEveryFiniteDouble) {
    // Huge values must not go through a 64-bit integer conversion.
    EXPECT_EQ(RoundSignificant(5, DBL_MAX), DBL_MAX);
    EXPECT_EQ(RoundSignificant(5, -1e300), -1e300);
    EXPECT_EQ(RoundSignificant(5, 1e20 + 0.0), 1e20);
    // Tiny values, down to the denormals, keep about five digits or stay as they are.
    EXPECT_NEAR(RoundSignificant(5, 1.2345678e-300), 1.23457e-300, 1e-305);
    const double least = std::nextafter(0.0, 1.0);
    EXPECT_EQ(RoundSignificant(5, least), least);
    EXPECT_EQ(RoundSignificant(5, -least), -least);
    EXPECT_EQ(RoundSignificant(5, INFINITY), INFINITY);
    EXPECT_TRUE(std::isnan(RoundSignificant(5, NAN)));
}

TEST(ArDouble, GrowsWithZerosAndKeepsElements) {
    std::vector<double> a{1.5, 2.5};
    a.resize(4);
    EXPECT_EQ(a, (std::vector<double>{1.5, 2.5, 0, 0}));
    a.resize(0);
    EXPECT_TRUE(a.empty());
}

} // namespace
