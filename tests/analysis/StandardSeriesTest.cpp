#include "analysis/StandardSeries.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct SeriesCase {
    const char* name;
    size_t perDecade;
    std::vector<double> someOfTheFirstDecade; // 1 … 10 in the standard's table
};

class SeriesOf : public testing::TestWithParam<SeriesCase> {};

// Each series has its count per decade, the standard's own values (not 10^(i/n)), and the same
// values in every decade, ascending, within the range asked, its ends included.
TEST_P(SeriesOf, HoldsTheStandardsValuesInEveryDecade) {
    const SeriesCase& c = GetParam();
    const StandardSeries series = *SeriesNamed(c.name);
    EXPECT_EQ(SeriesName(series), c.name);
    const std::vector<double> decade = SeriesValues(series, 1, 9.99);
    EXPECT_EQ(decade.size(), c.perDecade);
    for (const double value : c.someOfTheFirstDecade)
        EXPECT_TRUE(std::ranges::count(decade, value)) << value;
    const std::vector<double> wide = SeriesValues(series, 0.1, 1000);
    EXPECT_EQ(wide.size(), 4 * c.perDecade + 1); // 0.1 … 1000, both ends
    for (size_t i = 0; i < c.perDecade; ++i)
        EXPECT_NEAR(wide[i + 2 * c.perDecade], 10 * decade[i], 1e-9) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Iec60063, SeriesOf,
    testing::Values(SeriesCase{"E6", 6, {1, 1.5, 2.2, 3.3, 4.7, 6.8}},
                    SeriesCase{"E12", 12, {1.2, 2.7, 3.3, 3.9, 4.7, 5.6, 8.2}},
                    SeriesCase{"E24", 24, {1.1, 2.7, 3, 3.3, 3.6, 4.3, 4.7, 5.1, 9.1}},
                    SeriesCase{"E48", 48, {1.05, 1.21, 3.16, 4.64, 9.53}},
                    SeriesCase{"E96", 96, {1.02, 1.5, 3.32, 4.75, 9.76}}),
    [](const auto& info) { return std::string(info.param.name); });

// The values are the decimal numbers as typed, in picofarads too.
TEST(Series, NoneOutsideTheRangeOrForAnUnknownName) {
    EXPECT_EQ(SeriesValues(StandardSeries::E12, 4.8, 5.5), std::vector<double>{});
    EXPECT_EQ(SeriesValues(StandardSeries::E6, 0, 10), std::vector<double>{});
    EXPECT_EQ(SeriesValues(StandardSeries::E6, 1e-12, 1e-11),
              (std::vector<double>{1e-12, 1.5e-12, 2.2e-12, 3.3e-12, 4.7e-12, 6.8e-12, 1e-11}));
    EXPECT_FALSE(SeriesNamed("E192"));
}

} // namespace
