#include "app/graph/SpreadHistogram.h"

#include "SampleSpread.h"
#include "numerics/NumberText.h"
#include "plot/HistogramChart.h"
#include "tests/plot/PixelSurface.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

// The picture at its size: with the estimated 16-pixel line, the bars take columns 10 … 309 and
// rows 38 … 151 (the baseline), the range's ends stand on row 152.
constexpr ClipRect kPicture{0, 0, kSpreadHistogramWidth, kSpreadHistogramHeight};
constexpr ClipRect kBars{10, 38, 310, 152};

// The rows of `color` in column x of the bars.
int MarkPixels(const PixelSurface& s, int32_t x, Rgb color) {
    int n = 0;
    for (int32_t y = kBars.Top; y < kBars.Bottom; ++y) {
        const auto p = s.pixels.find({x, y});
        n += p != s.pixels.end() && p->second == color;
    }
    return n;
}

// The columns of the bars holding any pixel of `color`.
std::vector<int32_t> MarkColumns(const PixelSurface& s, Rgb color) {
    std::vector<int32_t> xs;
    for (int32_t x = kBars.Left; x < kBars.Right; ++x)
        if (MarkPixels(s, x, color) > 0)
            xs.push_back(x);
    return xs;
}

struct Mark {
    int32_t x;
    int pixels; // 113 rows solid, 57 dotted
};

struct MarksCase {
    const char* name;
    SpreadResult result;
    SpreadHistogramKind kind;
    std::vector<Mark> nominal;
    std::vector<Mark> quantiles;
};

void PrintTo(const MarksCase& c, std::ostream* os) {
    *os << c.name;
}

class SpreadHistogramMarks : public testing::TestWithParam<MarksCase> {};

TEST_P(SpreadHistogramMarks, StandAtTheirValues) {
    PixelSurface s(kPicture);
    DrawSpreadHistogram(GetParam().result, GetParam().kind, s);
    const auto check = [&](const std::vector<Mark>& marks, Rgb color) {
        std::vector<int32_t> columns;
        for (const Mark& m : marks) {
            columns.push_back(m.x);
            EXPECT_EQ(MarkPixels(s, m.x, color), m.pixels) << "column " << m.x;
        }
        EXPECT_EQ(MarkColumns(s, color), columns);
    };
    check(GetParam().nominal, kNominalMarkColor);
    check(GetParam().quantiles, kQuantileMarkColor);
    EXPECT_TRUE(s.AllInside(kPicture));
}

INSTANTIATE_TEST_SUITE_P(Cases, SpreadHistogramMarks,
                         testing::Values(MarksCase{"UpperEdge",
                                                   SampleSpreadResult(2500, 10),
                                                   SpreadHistogramKind::UpperEdge,
                                                   {{160, 113}},
                                                   {{20, 113}, {280, 113}}},
                                         MarksCase{"NominalEdgeBeyondTheTrialsStandsDottedAtTheEnd",
                                                   SampleSpreadResult(5000, 10),
                                                   SpreadHistogramKind::UpperEdge,
                                                   {{309, 57}},
                                                   {{20, 113}, {280, 113}}},
                                         MarksCase{"NominalStageWithoutTheEdgeHasNoMark",
                                                   SampleSpreadResult(std::nullopt, 10),
                                                   SpreadHistogramKind::UpperEdge,
                                                   {},
                                                   {{20, 113}, {280, 113}}},
                                         // |k| = 10 is 20 dB, half way along.
                                         MarksCase{"PeakGainNominalInDecibels",
                                                   SampleSpreadResult(2500, 10),
                                                   SpreadHistogramKind::PeakGain,
                                                   {{160, 113}},
                                                   {{35, 113}, {285, 113}}},
                                         MarksCase{"NominalPeakNotAboveZeroHasNoMark",
                                                   SampleSpreadResult(2500, 0),
                                                   SpreadHistogramKind::PeakGain,
                                                   {},
                                                   {{35, 113}, {285, 113}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpreadHistogram, BarsStandOnTheBaselineUnderTheLegend) {
    PixelSurface s(kPicture);
    DrawSpreadHistogram(SampleSpreadResult(2500, 10), SpreadHistogramKind::UpperEdge, s);
    // Bin 15 holds the most: the full height; bins 0 and 29 an eighth of it.
    EXPECT_EQ(s.Count(165, kBarColor), 113);
    EXPECT_EQ(s.Count(10, kBarColor), 14);
    EXPECT_EQ(s.Count(300, kBarColor), 14);
    EXPECT_EQ(s.pixels.at({10, 151}), kBaselineColor);
}

struct TextsCase {
    const char* name;
    SpreadResult result;
    SpreadHistogramKind kind;
    std::vector<std::string> texts; // "x,y text"
};

void PrintTo(const TextsCase& c, std::ostream* os) {
    *os << c.name;
}

SpreadResult NoTrialHasTheEdge() {
    SpreadResult r = SampleSpreadResult(std::nullopt, 10);
    r.UpperEdge = {};
    return r;
}

SpreadResult AllTrialsEqual() {
    SpreadResult r = SampleSpreadResult(2500, 10);
    r.UpperEdge = SampleSpread(2000.5, 2000.5, 2000.5, 2000.5);
    return r;
}

class SpreadHistogramTexts : public testing::TestWithParam<TextsCase> {};

TEST_P(SpreadHistogramTexts, WrittenWithTheUsersSeparator) {
    SetDecimalSeparatorSource([] { return U','; });
    PixelSurface s(kPicture);
    DrawSpreadHistogram(GetParam().result, GetParam().kind, s);
    std::vector<std::string> texts;
    for (const PixelSurface::Text& t : s.texts)
        texts.push_back(std::to_string(t.At.X) + "," + std::to_string(t.At.Y) + " " + t.Value);
    EXPECT_EQ(texts, GetParam().texts);
    SetDecimalSeparatorSource(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpreadHistogramTexts,
    testing::Values(TextsCase{"UpperEdge",
                              SampleSpreadResult(2500, 10),
                              SpreadHistogramKind::UpperEdge,
                              {"10,2 верхняя граница −3 дБ, Гц", "28,18 номинал",
                               "109,18 5 % и 95 %", "10,152 1000", "282,152 4000"}},
                    TextsCase{"PeakGain",
                              SampleSpreadResult(2500, 10),
                              SpreadHistogramKind::PeakGain,
                              {"10,2 пиковое усиление, дБ", "28,18 номинал", "109,18 5 % и 95 %",
                               "10,152 14", "296,152 26"}},
                    // The middle of the bars.
                    TextsCase{"NoTrialHasTheEdge",
                              NoTrialHasTheEdge(),
                              SpreadHistogramKind::UpperEdge,
                              {"10,2 верхняя граница −3 дБ, Гц", "149,87 нет"}},
                    // One bar in columns 155 … 163, its value once under its middle column 159.
                    TextsCase{"AllTrialsEqual",
                              AllTrialsEqual(),
                              SpreadHistogramKind::UpperEdge,
                              {"10,2 верхняя граница −3 дБ, Гц", "28,18 номинал",
                               "109,18 5 % и 95 %", "138,152 2000,5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpreadHistogram, NoTrialHasThePointDrawsNoBars) {
    PixelSurface s(kPicture);
    DrawSpreadHistogram(NoTrialHasTheEdge(), SpreadHistogramKind::UpperEdge, s);
    EXPECT_TRUE(s.pixels.empty());
}

struct EquivalentCase {
    const char* name;
    SpreadResult result;
    SpreadHistogramKind kind;
    const char* expected;
};

void PrintTo(const EquivalentCase& c, std::ostream* os) {
    *os << c.name;
}

SpreadResult Unrounded() {
    SpreadResult r = SampleSpreadResult(12345.678, 10);
    r.UpperEdge = SampleSpread(10000, 20000, 10234.5678, 19876.54321);
    r.PeakDecibels = SampleSpread(20, 30, 25.5, 26.25);
    return r;
}

class SpreadHistogramEquivalent : public testing::TestWithParam<EquivalentCase> {};

TEST_P(SpreadHistogramEquivalent, ReadsThePicture) {
    SetDecimalSeparatorSource([] { return U','; });
    EXPECT_EQ(SpreadHistogramText(GetParam().result, GetParam().kind), GetParam().expected);
    SetDecimalSeparatorSource(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpreadHistogramEquivalent,
    testing::Values(
        EquivalentCase{"UpperEdge", SampleSpreadResult(2500, 10), SpreadHistogramKind::UpperEdge,
                       "верхняя граница −3 дБ: 5 % … 95 % = 1100 … 3700 Гц, номинал 2500 Гц"},
        EquivalentCase{
            "RoundedAsTheGraphReadsThem", Unrounded(), SpreadHistogramKind::UpperEdge,
            "верхняя граница −3 дБ: 5 % … 95 % = 10234,6 … 19876,5 Гц, номинал 12345,7 Гц"},
        EquivalentCase{"PeakGainWithTheSeparator", Unrounded(), SpreadHistogramKind::PeakGain,
                       "пиковое усиление: 5 % … 95 % = 25,5 … 26,25 дБ, номинал 20 дБ"},
        EquivalentCase{"NominalStageWithoutTheEdge", SampleSpreadResult(std::nullopt, 10),
                       SpreadHistogramKind::UpperEdge,
                       "верхняя граница −3 дБ: 5 % … 95 % = 1100 … 3700 Гц, номинал нет в "
                       "диапазоне"},
        EquivalentCase{"NoTrialHasTheEdge", NoTrialHasTheEdge(), SpreadHistogramKind::UpperEdge,
                       "верхняя граница −3 дБ: нет"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
