#include "plot/Chart.h"

#include "numerics/FloatError.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Records every call as a line of text; the curve's points are kept apart.
class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(ClipRect clip, bool batched = true)
        : clip_(clip), batched_(batched) {}

    ClipRect Clip() const override { return clip_; }
    void SetPenStyle(PenStyle style) override {
        calls.push_back(style == PenStyle::Dotted ? "pen dotted" : "pen solid");
        if (clipOnFirstPen) {
            clip_ = *clipOnFirstPen;
            clipOnFirstPen = nullptr;
        }
    }
    void SetPenColor(Rgb c) override {
        calls.push_back("pen " + std::to_string(c.Red) + " " + std::to_string(c.Green) + " " +
                        std::to_string(c.Blue));
    }
    void MoveTo(int32_t x, int32_t y) override { Add("move", x, y); }
    void LineTo(int32_t x, int32_t y) override { Add("line", x, y); }
    void TextOut(int32_t x, int32_t y, std::string_view text) override {
        Add("text", x, y);
        calls.back() += " " + std::string(text);
    }
    void Polyline(const Point* points, size_t count) override {
        if (!batched_)
            return Surface::Polyline(points, count);
        calls.push_back("polyline " + std::to_string(count));
        curve.insert(curve.end(), points, points + count);
    }

    // The calls of grid division i (move, line, text for x, then for y).
    std::vector<std::string> Division(size_t i) const {
        const auto first = calls.begin() + 2 + 6 * static_cast<ptrdiff_t>(i);
        return {first, first + 6};
    }

    std::vector<std::string> calls;
    std::vector<Point> curve;
    const ClipRect* clipOnFirstPen = nullptr;

  private:
    void Add(const char* what, int32_t x, int32_t y) {
        calls.push_back(std::string(what) + " " + std::to_string(x) + " " + std::to_string(y));
    }
    ClipRect clip_;
    bool batched_;
};

using Calls = std::vector<std::string>;

TEST(DrawChart, GridThenCurveWithLabelsAtEachDivision) {
    RecordingSurface s({0, 0, 763, 534});
    DrawChart({10, 20, 35}, {-3, 250, 100}, 10, s); // 0 … 40 across, −100 … 300 up
    ASSERT_EQ(s.calls.size(), 2 + 6 * 11 + 3u);
    EXPECT_EQ(Calls(s.calls.begin(), s.calls.begin() + 2),
              (Calls{"pen dotted", "pen 128 128 128"}));
    EXPECT_EQ(s.Division(0), (Calls{"move 10 10", "line 10 524", "text 10 524 0", "move 10 524",
                                    "line 753 524", "text 10 524 -100"}));
    EXPECT_EQ(s.Division(1), (Calls{"move 84 10", "line 84 524", "text 84 524 4", "move 10 473",
                                    "line 753 473", "text 10 473 -60"}));
    EXPECT_EQ(s.Division(2), (Calls{"move 159 10", "line 159 524", "text 159 524 8", "move 10 421",
                                    "line 753 421", "text 10 421 -20"}));
    EXPECT_EQ(s.Division(10), (Calls{"move 753 10", "line 753 524", "text 753 524 40", "move 10 10",
                                     "line 753 10", "text 10 10 300"}));
    EXPECT_EQ(Calls(s.calls.end() - 3, s.calls.end()),
              (Calls{"pen solid", "pen 0 128 0", "polyline 3"}));
}

struct CurveCase {
    const char* name;
    ClipRect clip;
    std::vector<Point> expected;
};

void PrintTo(const CurveCase& c, std::ostream* os) {
    *os << c.name;
}

class ChartCurveTest : public testing::TestWithParam<CurveCase> {};

// 0 … 40 across 400 px, −100 … 300 up 200 px: y = 0.5 · (v + 100), whose halves go to even
// (−3 → 48.5 → 48, 3 → 51.5 → 52).
TEST_P(ChartCurveTest, PointsAreRoundedPixels) {
    RecordingSurface s(GetParam().clip);
    DrawChart({0, 10, 25, 35, 5}, {-3, 250, 100, 0, 3}, 10, s);
    EXPECT_EQ(s.curve, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ChartCurveTest,
    testing::Values(CurveCase{"AtOrigin",
                              {0, 0, 420, 220},
                              {{10, 162}, {110, 35}, {260, 110}, {360, 160}, {60, 158}}},
                    // Margins are kept from the surface's origin, not from the clip's edges.
                    CurveCase{"OffsetClip",
                              {100, 50, 520, 270},
                              {{10, 212}, {110, 85}, {260, 160}, {360, 210}, {60, 208}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawChart, OnePointDrawsGridAndNoSegment) {
    RecordingSurface s({0, 0, 420, 220}, false);
    DrawChart({5}, {2}, 10, s);
    ASSERT_EQ(s.calls.size(), 2 + 6 * 11 + 3u);
    EXPECT_EQ(s.calls.back().rfind("move ", 0), 0u);
}

TEST(DrawChart, ClipIsReadAtEachUse) {
    RecordingSurface s({0, 0, 763, 534});
    const ClipRect resized{0, 0, 863, 634};
    s.clipOnFirstPen = &resized; // the scales are already taken from the old clip
    DrawChart({10, 20, 35}, {-3, 250, 100}, 10, s);
    EXPECT_EQ(s.Division(1), (Calls{"move 84 10", "line 84 624", "text 84 624 4", "move 10 573",
                                    "line 853 573", "text 10 573 -60"}));
    EXPECT_EQ(s.curve[0], (Point{196, 499}));
}

TEST(DrawChart, FailureBeforeGridDrawsNothing) {
    RecordingSurface s({0, 0, 420, 220});
    // One division leaves the range at 0 … 0.
    EXPECT_THROW(DrawChart({1, 2}, {1, 2}, 1, s), FloatingPointError);
    EXPECT_THROW(DrawChart({}, {}, 10, s), FloatingPointError);
    EXPECT_TRUE(s.calls.empty());
}

TEST(DrawChart, LongCurveIsOneContinuousLine) {
    // Long enough to reach the surface in several pieces.
    std::vector<double> xs, ys;
    for (int i = 0; i < 10000; ++i) {
        xs.push_back(i);
        ys.push_back(i % 7);
    }
    RecordingSurface segments({0, 0, 763, 534}, false);
    DrawChart(xs, ys, 10, segments);
    const auto curve = std::find(segments.calls.begin(), segments.calls.end(), "pen solid");
    ASSERT_NE(curve, segments.calls.end());
    // One segment per pair of neighbouring points; every later move goes where the line is.
    std::string current;
    size_t lines = 0;
    for (auto call = curve + 2; call != segments.calls.end(); ++call) {
        const std::string at = call->substr(call->find(' '));
        if (call->rfind("line", 0) == 0) {
            ++lines;
        } else if (!current.empty()) {
            EXPECT_EQ(at, current) << "the line breaks before " << *call;
        }
        current = at;
    }
    EXPECT_EQ(lines, xs.size() - 1);
}

TEST(Surface, DefaultPolylineMovesThenDrawsEachSegment) {
    RecordingSurface s({0, 0, 1, 1}, false);
    const Point points[] = {{1, 2}, {3, 4}, {5, 6}};
    s.Polyline(points, 0);
    s.Polyline(points, 3);
    EXPECT_EQ(s.calls, (Calls{"move 1 2", "line 3 4", "line 5 6"}));
}

} // namespace
