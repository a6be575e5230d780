#include "app/graph/GraphReadout.h"

#include "numerics/NumberText.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The graph window's client area as laid out: 763 × 534, so 743 pixels of chart between the
// margins.
constexpr ClipRect kGraphArea{0, 0, 763, 534};

// A result as a calculation makes it for fmin, fmin + df, … fmax, with a low-pass gain.
std::shared_ptr<SweepResult> Sweep(double fmin, double fmax, double df) {
    auto s = std::make_shared<SweepResult>();
    for (double f = fmin; f <= fmax + 1e-9; f += df) {
        const double ratio = 10 / std::sqrt(1 + f * f / 2500);
        s->Frequencies.push_back(f);
        s->Ratio.push_back(ratio);
        s->Decibels.push_back(20 * std::log10(ratio));
    }
    s->Computed = s->Count();
    return s;
}

struct PointerCase {
    const char* name;
    bool logScale;
    int32_t computed; // 0: every row
    int32_t x;
    double frequency;
};

class PointUnderPointerAt : public testing::TestWithParam<PointerCase> {};

// Linear: 10 … 95 Hz on an axis 0 … 100, 7.43 px per Hz: 20 Hz lies at 158.6, 25 Hz at 195.75.
// Logarithmic: 10 … 1000 Hz, log10 on an axis 0 … 4, 185.75 px per decade: 10 Hz at 195.75,
// 20 Hz at 251.67, 1000 Hz at 567.25.
TEST_P(PointUnderPointerAt, IsTheNearestComputedPointAsTheChartPlacesIt) {
    const PointerCase& c = GetParam();
    SweepResult s = c.logScale ? *Sweep(10, 1000, 10) : *Sweep(10, 95, 5);
    if (c.computed > 0)
        s.Computed = c.computed;
    const auto point = PointUnderPointer(s, c.logScale, kGraphArea, c.x);
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(point->Frequency, c.frequency);
    const auto row = static_cast<size_t>(
        std::find(s.Frequencies.begin(), s.Frequencies.end(), c.frequency) - s.Frequencies.begin());
    EXPECT_EQ(point->Ratio, s.Ratio[row]);
    EXPECT_EQ(point->Decibels, s.Decibels[row]);
}

INSTANTIATE_TEST_SUITE_P(
    GraphReadout, PointUnderPointerAt,
    testing::Values(PointerCase{"LeftOfTheChart", false, 0, 0, 10},
                    PointerCase{"NearerTheLowerOfTwo", false, 0, 177, 20},
                    PointerCase{"NearerTheUpperOfTwo", false, 0, 178, 25},
                    PointerCase{"RightOfTheChart", false, 0, 763, 95},
                    // Four rows computed: the axis is 0 … 30 and the last of them the rightmost.
                    PointerCase{"OnlyComputedRows", false, 4, 763, 25},
                    PointerCase{"LogNearerTheLowerOfTwo", true, 0, 223, 10},
                    PointerCase{"LogNearerTheUpperOfTwo", true, 0, 224, 20},
                    PointerCase{"LogRightOfTheChart", true, 0, 700, 1000}),
    [](const auto& info) { return info.param.name; });

TEST(GraphReadout, NothingWithoutComputedRowsOrWhereTheChartCannotBeDrawn) {
    SweepResult s = *Sweep(10, 95, 5);
    s.Computed = 0;
    EXPECT_FALSE(PointUnderPointer(s, false, kGraphArea, 300).has_value());
    // log10 of −10 Hz fails the chart's paint; the readout stays silent instead.
    s = *Sweep(-10, 10, 5);
    EXPECT_FALSE(PointUnderPointer(s, true, kGraphArea, 300).has_value());
    EXPECT_TRUE(PointUnderPointer(s, false, kGraphArea, 300).has_value());
}

// Kept 13 … 193 Hz and −10 … 20 Hz: the axis runs −100 … 200, 2.4767 px per Hz from 257.67 px at
// 0 Hz, and the column 307 lies over 20 Hz; on the current curve's own axis, 0 … 100, over 40 Hz.
TEST(GraphReadout, KeptCurvesWidenTheAxisAndReadTheirSampleNearestThePoint) {
    const SweepResult s = *Sweep(10, 95, 5);
    KeptCurves kept;
    const auto wideResult = Sweep(13, 193, 10), negativeResult = Sweep(-10, 20, 5);
    const SweepResult &wide = *wideResult, &negative = *negativeResult;
    kept.Remember(wideResult);
    kept.Remember(negativeResult);
    EXPECT_EQ(PointUnderPointer(s, false, kGraphArea, 307)->Frequency, 40);
    const auto row = [](const SweepResult& c, size_t i) {
        return GraphPoint{c.Frequencies[i], c.Ratio[i], c.Decibels[i]};
    };
    EXPECT_EQ(ReadoutUnderPointer(s, false, kept, kGraphArea, 307),
              ReadoutText(row(s, 2), {{1, row(wide, 1)}, {2, row(negative, 6)}}));
    // Over log f (0 … 3) the curve through −10 Hz is neither drawn nor read; the column 300 lies
    // over 15 Hz, and 13 Hz is nearer it than 23 Hz.
    EXPECT_EQ(ReadoutUnderPointer(s, true, kept, kGraphArea, 300),
              ReadoutText(row(s, 1)) + "\n1: " + ReadoutText(row(wide, 0)));
}

// The legend may shorten a kept curve's line: the readout gives its differences in full, three to
// a line.
TEST(GraphReadout, NamesAllThatSetsAKeptCurveApart) {
    const std::shared_ptr<SweepResult> s = Sweep(10, 95, 5);
    auto other = std::make_shared<SweepResult>(*s);
    for (size_t i = 0; i < 4; ++i)
        other->Entered.Parameters[i] = double(i + 1);
    KeptCurves kept;
    kept.Remember(other);
    const std::string readout = ReadoutUnderPointer(*s, false, kept, kGraphArea, 307).value();
    EXPECT_EQ(readout.substr(readout.find("\n    ")),
              "\n    R1 = 1 кОм, R2 = 2 кОм, R3 = 3 кОм,\n    R4 = 4 кОм");
}

TEST(GraphReadout, TextWritesNumbersAsTheResultTable) {
    const GraphPoint point{1010, 21.08921234, 26.48121234};
    EXPECT_EQ(ReadoutText(point), "f = 1010 Гц, |k| = 21.0892 (26.4812 дБ)");
    SetDecimalSeparatorSource([] { return U','; });
    // The frequency keeps every digit, as in the table's first column.
    EXPECT_EQ(ReadoutText({12.3456789, 0.000123456789, -78.123456}),
              "f = 12,3456789 Гц, |k| = 0,000123457 (-78,123 дБ)");
    SetDecimalSeparatorSource(nullptr);
}

} // namespace
