#include "app/graph/GraphPicture.h"

#include "FixedWidthText.h"
#include "numerics/FloatError.h"
#include "plot/Chart.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Records everything the picture draws.
class RecordingSurface final : public Surface {
  public:
    ClipRect Clip() const override { return {0, 0, 763, 534}; }
    void SetPenStyle(PenStyle) override {}
    void SetPenColor(Rgb color) override { pen = color; }
    void MoveTo(int32_t, int32_t) override { ++moves; }
    void LineTo(int32_t, int32_t) override { ++lines; }
    void TextOut(int32_t x, int32_t y, std::string_view text) override {
        texts.push_back(std::to_string(x) + "," + std::to_string(y) + " " + std::string(text));
    }
    void Polyline(const Point* points, size_t count) override {
        curve.insert(curve.end(), points, points + count);
        curveColors.push_back(pen);
    }
    bool Empty() const { return moves == 0 && lines == 0 && texts.empty() && curve.empty(); }

    int moves = 0;
    int lines = 0;
    std::vector<std::string> texts;
    std::vector<Point> curve;
    Rgb pen{};
    std::vector<Rgb> curveColors; // the pen of each polyline
};

// Five rows of a sweep 10 … 50 Hz with falling gains, `computed` of them from the last run.
std::shared_ptr<SweepResult> FiveRows(int32_t computed) {
    auto s = std::make_shared<SweepResult>();
    s->Frequencies = {10, 20, 30, 40, 50};
    s->Ratio = {8, 6, 4, 2, 1000}; // past the computed rows: not a result
    s->Decibels = {18, 15.6, 12, 6, 60};
    s->Computed = computed;
    return s;
}

TEST(GraphPicture, SaysSoInTheMiddleWithFewerThanTwoComputedRows) {
    for (int32_t computed : {0, 1}) {
        GraphPicture picture(FiveRows(computed), false);
        RecordingSurface surface;
        picture.Paint(surface, 771, 568);
        // 22 characters of the default 7 × 16 pixels, centred in 763 × 534.
        EXPECT_EQ(surface.texts, (std::vector<std::string>{"304,259 Нет рассчитанных точек"}));
        EXPECT_EQ(surface.moves + surface.lines, 0) << computed;
        EXPECT_TRUE(surface.curve.empty()) << computed;
    }
}

TEST(GraphPicture, ScalesAndDrawsOnlyTheComputedRows) {
    GraphPicture picture(FiveRows(4), false);
    RecordingSurface surface;
    picture.Paint(surface, 771, 568);
    EXPECT_EQ(surface.curve.size(), 4u);
    // The gain axis runs 0 … 9 (from the computed maximum 8), not 0 … 2000: its top label reads 9.
    EXPECT_NE(std::find(surface.texts.begin(), surface.texts.end(), "10,10 9"),
              surface.texts.end());
    // Titles last, over the chart: at (20, 30) and at the outer size less (90, 60).
    ASSERT_GE(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[surface.texts.size() - 2], "20,30 k, раз");
    EXPECT_EQ(surface.texts.back(), "681,508 f, Гц");
}

TEST(GraphPicture, LogModeTitles) {
    GraphPicture picture(FiveRows(5), true);
    RecordingSurface surface;
    picture.Paint(surface, 1000, 700);
    EXPECT_EQ(surface.curve.size(), 5u);
    EXPECT_EQ(surface.texts[surface.texts.size() - 2], "20,30 k, дБ");
    EXPECT_EQ(surface.texts.back(), "910,640 log(f)");
}

TEST(GraphPicture, FailedPaintThrowsOnceUntilRearmed) {
    const auto s = FiveRows(5);
    s->Frequencies[0] = -10; // log10 fails
    GraphPicture picture(s, true);
    RecordingSurface surface;
    EXPECT_THROW(picture.Paint(surface, 771, 568), FloatingPointError);
    RecordingSurface again;
    EXPECT_NO_THROW(picture.Paint(again, 771, 568));
    EXPECT_TRUE(again.Empty());
    picture.Rearm();
    EXPECT_THROW(picture.Paint(again, 771, 568), FloatingPointError);
    picture.Show(s, false);
    picture.Rearm();
    RecordingSurface linear;
    picture.Paint(linear, 771, 568);
    EXPECT_EQ(linear.curve.size(), 5u);
}

// Kept: one of twice the gains and one through −10 Hz, which has no place over log f: left out,
// and said so in the legend. The current curve lies on top, the axes take in the kept curve.
TEST(GraphPicture, DrawsTheKeptCurvesItCanUnderTheCurrentOneWithALegend) {
    const auto s = FiveRows(4), twice = FiveRows(5), negative = FiveRows(4);
    twice->Ratio = {16, 12, 8, 4, 2};
    twice->Decibels = {36, 30, 24, 18, 12};
    twice->Entered.Parameters[3] = 150;
    negative->Frequencies[0] = -10;
    KeptCurves kept;
    kept.Remember(twice);
    kept.Remember(negative);
    GraphPicture picture(s, true);
    picture.SetKeptCurves(&kept);
    RecordingSurface surface;
    picture.Paint(surface, 771, 568);
    EXPECT_EQ(surface.curveColors, (std::vector<Rgb>{kKeptCurveColors[0], kCurveColor}));
    EXPECT_NE(std::find(surface.texts.begin(), surface.texts.end(), "10,10 40"),
              surface.texts.end());
    // The legend last, in its box in the top right corner: its widest line ends 22 pixels inside.
    ASSERT_GE(surface.texts.size(), 3u);
    EXPECT_EQ(
        std::vector<std::string>(surface.texts.end() - 3, surface.texts.end()),
        (std::vector<std::string>{"510,22 1: R4 = 150 кОм",
                                  "510,38 2: как текущая — не рисуется в дБ", "510,54 текущая"}));
}

struct LegendRoomCase {
    const char* name;
    ClipRect room;
    size_t lines;
};

class LegendIn : public testing::TestWithParam<LegendRoomCase> {};

// Six kept curves that differ from the current stage in all thirteen parameters.
TEST_P(LegendIn, StaysInsideTheRoomAndKeepsTheCurrentCurve) {
    KeptCurves kept;
    for (size_t i = 0; i < kMaxKeptCurves; ++i) {
        const std::shared_ptr<SweepResult> s = FiveRows(5);
        for (std::optional<double>& parameter : s->Entered.Parameters)
            parameter = double(i + 1000);
        kept.Remember(s);
    }
    const auto sevenPixels = [](std::string_view text) { return FixedWidth(text); };
    const ClipRect room = GetParam().room;
    const LegendLayout legend = LayOutLegend(kept, Stage{}, false, room, 16, sevenPixels);
    ASSERT_EQ(legend.Lines.size(), GetParam().lines);
    if (legend.Lines.empty())
        return;
    EXPECT_GE(legend.Box.Left, room.Left);
    EXPECT_EQ(legend.Box.Right, room.Right);
    EXPECT_EQ(legend.Box.Top, room.Top);
    EXPECT_LE(legend.Box.Bottom, room.Bottom);
    EXPECT_EQ(legend.Lines.back().Text, "текущая");
    for (const LegendEntry& line : legend.Lines)
        EXPECT_LE(sevenPixels(line.Text), legend.Box.Right - legend.Box.Left - 34) << line.Text;
}

INSTANTIATE_TEST_SUITE_P(GraphPicture, LegendIn,
                         testing::Values(LegendRoomCase{"LargeWindow", {90, 18, 745, 500}, 7},
                                         LegendRoomCase{"SmallWindow", {60, 18, 200, 120}, 5},
                                         LegendRoomCase{"OneLineHigh", {60, 18, 200, 45}, 1},
                                         LegendRoomCase{"NoRoom", {60, 18, 70, 45}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
