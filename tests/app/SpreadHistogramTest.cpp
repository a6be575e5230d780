#include "app/graph/SpreadHistogram.h"

#include "SampleSpread.h"
#include "numerics/NumberText.h"
#include "tests/plot/PixelSurface.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using Marks = std::vector<std::pair<int32_t, int>>; // column, pixels of the mark
using Texts = std::vector<std::string>;             // "x,y text"
const auto Edge = SpreadHistogramKind::UpperEdge;
const auto Peak = SpreadHistogramKind::PeakGain;
const Texts kEdgeTexts{"10,2 верхняя граница −3 дБ, Гц", "28,18 номинал", "109,18 5 % и 95 %",
                       "10,152 1000", "282,152 4000"};
const Texts kPeakTexts{"10,2 пиковое усиление, дБ", "28,18 номинал", "109,18 5 % и 95 %",
                       "10,152 14", "296,152 26"};

SpreadResult Corners() {
    SpreadResult r = SampleSpreadResult(2500, 10);
    r.Mode = SpreadMode::Corners;
    return r;
}

SpreadResult WithEdges(PointSpread edges) {
    SpreadResult r = SampleSpreadResult(2500, 10);
    r.UpperEdge = std::move(edges);
    return r;
}

// A sweep to 5 kHz: the 95 % point and the largest of the upper edges lie beyond its end.
PointSpread SomeBeyond() {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    PointSpread s = SampleSpread(1000, 4000, 1100, 3700);
    s.Values.High = s.Values.Max = kInf;
    s.Bounds = {1000, 1100, 2500, 5000, 5000};
    s.Beyond = 8;
    s.SweepEnd = 5000;
    return s;
}

struct Case {
    const char* name;
    SpreadResult result;
    SpreadHistogramKind kind;
    Marks nominal, quantiles;
    Texts drawn;
    const char* reading;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class SpreadHistogramPicture : public testing::TestWithParam<Case> {};

// With the estimated 16-pixel line the bars take columns 10 … 309 from row 38 down to the
// baseline on row 151: a solid mark has 113 pixels, a dotted one 57.
TEST_P(SpreadHistogramPicture, MarksAndTextsAtTheirPlacesWithTheUsersSeparator) {
    SetDecimalSeparatorSource([] { return U','; });
    const Case& c = GetParam();
    PixelSurface s({0, 0, kSpreadHistogramWidth, kSpreadHistogramHeight});
    DrawSpreadHistogram(c.result, c.kind, s);
    for (const auto& [marks, color] :
         {std::pair{c.nominal, kNominalMarkColor}, std::pair{c.quantiles, kQuantileMarkColor}}) {
        Marks drawn;
        for (int32_t x = 0; x < kSpreadHistogramWidth; ++x)
            if (const int n = s.Count(x, color, 38); n > 0)
                drawn.push_back({x, n});
        EXPECT_EQ(drawn, marks);
    }
    EXPECT_EQ(s.texts, c.drawn);
    EXPECT_EQ(SpreadHistogramText(c.result, c.kind), c.reading);
    SetDecimalSeparatorSource(nullptr);
}

// 10 Hz or 0.04 dB a column.
INSTANTIATE_TEST_SUITE_P(
    Cases, SpreadHistogramPicture,
    testing::Values(
        Case{"UpperEdge",
             SampleSpreadResult(2500, 10),
             Edge,
             {{160, 113}},
             {{20, 113}, {280, 113}},
             kEdgeTexts,
             "верхняя граница −3 дБ: 5 % … 95 % = 1100 … 3700 Гц, номинал 2500 Гц"},
        Case{"NominalBeyondDottedAtTheEnd",
             SampleSpreadResult(5000, 10),
             Edge,
             {{309, 57}},
             {{20, 113}, {280, 113}},
             kEdgeTexts,
             "верхняя граница −3 дБ: 5 % … 95 % = 1100 … 3700 Гц, номинал 5000 Гц"},
        Case{"NominalWithoutTheEdge",
             SampleSpreadResult(std::nullopt, 10),
             Edge,
             {},
             {{20, 113}, {280, 113}},
             kEdgeTexts,
             "верхняя граница −3 дБ: 5 % … 95 % = 1100 … 3700 Гц, номинал нет в диапазоне"},
        // |k| = 10 is 20 dB; a peak not above zero has no level in dB.
        Case{"PeakGain",
             SampleSpreadResult(2500, 10),
             Peak,
             {{160, 113}},
             {{35, 113}, {285, 113}},
             kPeakTexts,
             "пиковое усиление: 5 % … 95 % = 15 … 25 дБ, номинал 20 дБ"},
        Case{"NominalPeakNotAboveZero",
             SampleSpreadResult(2500, 0),
             Peak,
             {},
             {{35, 113}, {285, 113}},
             kPeakTexts,
             "пиковое усиление: 5 % … 95 % = 15 … 25 дБ, номинал нет в диапазоне"},
        // One bar in columns 155 … 163, its value once under its middle column 159.
        Case{"AllTrialsEqual",
             WithEdges(SampleSpread(2000.5, 2000.5, 2000.5, 2000.5)),
             Edge,
             {{309, 57}},
             {{159, 113}},
             {"10,2 верхняя граница −3 дБ, Гц", "28,18 номинал", "109,18 5 % и 95 %",
              "138,152 2000,5"},
             "верхняя граница −3 дБ: 5 % … 95 % = 2000,5 … 2000,5 Гц, номинал 2500 Гц"},
        Case{"CornersMarkNoQuantiles",
             Corners(),
             Edge,
             {{160, 113}},
             {},
             {"10,2 верхняя граница −3 дБ, Гц", "28,18 номинал", "10,152 1000", "282,152 4000"},
             "верхняя граница −3 дБ: мин … макс = 1000 … 4000 Гц, номинал 2500 Гц"},
        // The count on a line of its own over the bars, which start a line lower.
        Case{"SomeEdgesBeyondTheSweep",
             WithEdges(SomeBeyond()),
             Edge,
             {{160, 97}},
             {{20, 97}, {309, 49}},
             {"10,2 верхняя граница −3 дБ, Гц", "10,34 выше 5000 Гц: 8 из 100", "28,18 номинал",
              "109,18 5 % и 95 %", "10,152 1000", "282,152 4000"},
             "верхняя граница −3 дБ: 5 % … 95 % = 1100 … > 5000 Гц, номинал 2500 Гц; в 8 из 100 "
             "испытаний верхняя граница выше 5000 Гц"},
        Case{"NoTrialHasTheEdge",
             WithEdges({}),
             Edge,
             {},
             {},
             {"10,2 верхняя граница −3 дБ, Гц", "149,87 нет"},
             "верхняя граница −3 дБ: нет"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
