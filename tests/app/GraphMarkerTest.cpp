#include "app/GraphMarker.h"

#include "RecordingMessageBoxes.h"
#include "app/GraphForm.h"
#include "app/GraphReadout.h"
#include "plot/mGraf.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr ClipRect kGraphArea{0, 0, 763, 534};
constexpr size_t kNone = SIZE_MAX;

// A state as a calculation leaves it for `count` frequencies from 10 Hz in steps of 10 Hz, with a
// low-pass gain.
CalcState Sweep(int32_t count) {
    CalcState s;
    for (int32_t i = 0; i < count; ++i) {
        const double f = 10.0 * (i + 1);
        const double ratio = 10 / std::sqrt(1 + f * f / 2500);
        s.Frequencies.push_back(f);
        s.Ratio.push_back(ratio);
        s.Decibels.push_back(20 * std::log10(ratio));
    }
    s.Count = count;
    s.Computed = count;
    return s;
}

struct StepCase {
    const char* name;
    size_t current; // kNone: no marker yet
    MarkerStep step;
    size_t computed;
    size_t expected; // kNone: no marker
};

class MarkerStepFrom : public testing::TestWithParam<StepCase> {};

TEST_P(MarkerStepFrom, LandsOnAComputedPoint) {
    const StepCase& c = GetParam();
    const auto current = c.current == kNone ? std::nullopt : std::optional<size_t>(c.current);
    const auto expected = c.expected == kNone ? std::nullopt : std::optional<size_t>(c.expected);
    EXPECT_EQ(MovedMarker(current, c.step, c.computed), expected);
}

INSTANTIATE_TEST_SUITE_P(
    GraphMarker, MarkerStepFrom,
    testing::Values(StepCase{"FirstRightArrowTakesTheFirstPoint", kNone, MarkerStep::Next, 30, 0},
                    StepCase{"FirstLeftArrowTakesTheLastPoint", kNone, MarkerStep::Previous, 30,
                             29},
                    StepCase{"FirstEndTakesTheLastPoint", kNone, MarkerStep::Last, 30, 29},
                    StepCase{"RightArrow", 5, MarkerStep::Next, 30, 6},
                    StepCase{"LeftArrow", 5, MarkerStep::Previous, 30, 4},
                    StepCase{"LeftArrowStopsAtTheFirst", 0, MarkerStep::Previous, 30, 0},
                    StepCase{"RightArrowStopsAtTheLast", 29, MarkerStep::Next, 30, 29},
                    StepCase{"PageDownTenOn", 5, MarkerStep::TenOn, 30, 15},
                    StepCase{"PageDownStopsAtTheLast", 25, MarkerStep::TenOn, 30, 29},
                    StepCase{"PageUpTenBack", 15, MarkerStep::TenBack, 30, 5},
                    StepCase{"PageUpStopsAtTheFirst", 5, MarkerStep::TenBack, 30, 0},
                    StepCase{"Home", 17, MarkerStep::First, 30, 0},
                    StepCase{"End", 3, MarkerStep::Last, 30, 29},
                    // A shorter calculation left the marker past its rows.
                    StepCase{"PastTheComputedRowsStartsAgain", 40, MarkerStep::Previous, 30, 29},
                    StepCase{"OnePointMakesNoChart", kNone, MarkerStep::Next, 1, kNone}),
    [](const auto& info) { return info.param.name; });

// Records the curves' points and the marker's strokes.
class RecordingSurface final : public Surface {
  public:
    ClipRect Clip() const override { return kGraphArea; }
    void SetPenStyle(PenStyle) override {}
    void SetPenColor(Rgb color) override { color_ = color; }
    void MoveTo(int32_t x, int32_t y) override { Note({x, y}); }
    void LineTo(int32_t x, int32_t y) override { Note({x, y}); }
    void TextOut(int32_t, int32_t, std::string_view) override {}
    void Polyline(const Point* points, size_t count) override {
        for (size_t i = 0; i < count; ++i)
            Note(points[i]);
    }
    std::vector<Point> curve, marker;

  private:
    void Note(Point p) {
        if (color_ == kCurveColor)
            curve.push_back(p);
        else if (color_ == kMarkerColor)
            marker.push_back(p);
    }
    Rgb color_{};
};

struct PixelCase {
    const char* name;
    bool logScale;
    size_t row;
};

class MarkerPixelOf : public testing::TestWithParam<PixelCase> {};

TEST_P(MarkerPixelOf, IsThePointTheCurveIsDrawnThrough) {
    CalcState s = Sweep(30);
    s.LogScale = GetParam().logScale;
    RecordingSurface chart;
    const arDouble logFrequencies = Log10Series(s.Frequencies, 30);
    const Series abscissae = s.LogScale ? Series(logFrequencies) : Series(s.Frequencies);
    DrawChart(GraphCurves(s, nullptr, abscissae), kGraphDivisions, chart);
    ASSERT_EQ(chart.curve.size(), 30u);
    EXPECT_EQ(MarkerPixel(s, nullptr, kGraphArea, GetParam().row), chart.curve[GetParam().row]);
}

INSTANTIATE_TEST_SUITE_P(GraphMarker, MarkerPixelOf,
                         testing::Values(PixelCase{"First", false, 0},
                                         PixelCase{"Middle", false, 13},
                                         PixelCase{"LogLast", true, 29}),
                         [](const auto& info) { return info.param.name; });

TEST(GraphMarker, NoPixelForARowNotComputedOrAChartThatCannotBeDrawn) {
    CalcState s = Sweep(30);
    s.Computed = 10;
    EXPECT_FALSE(MarkerPixel(s, nullptr, kGraphArea, 10).has_value());
    s.Frequencies[0] = -10; // log10 fails the chart's paint
    s.LogScale = true;
    EXPECT_FALSE(MarkerPixel(s, nullptr, kGraphArea, 3).has_value());
}

class NoChooser final : public FileChooser {
  public:
    std::filesystem::path SaveFileName(const FileRequest&) override { return {}; }
    std::filesystem::path OpenFileName(const FileRequest&) override { return {}; }
};

// The graph window as its presenter sees it: what the marker's readout last said, and where.
class ReadoutView final : public GraphView {
  public:
    bool IsShown() const override { return true; }
    void Repaint() override { ++repaints; }
    void CopyPictureToClipboard() override {}
    std::string PictureAsPng() override { return {}; }
    void ShowMarkerReadout(const std::string& text, Point at) override {
        readouts.push_back(text);
        where = at;
    }
    std::vector<std::string> readouts;
    Point where{};
    int repaints = 0;
};

class GraphMarkerKeys : public testing::Test {
  protected:
    CalcState state = Sweep(30);
    ReadoutView view;
    RecordingMessageBoxes boxes;
    NoChooser chooser;
    GraphForm graph{view, state, boxes, chooser};
};

TEST_F(GraphMarkerKeys, ReadoutIsWhatThePointerReadsAtTheMarker) {
    graph.MoveMarker(MarkerStep::Next, kGraphArea);
    graph.MoveMarker(MarkerStep::TenOn, kGraphArea);
    ASSERT_EQ(graph.Marker(), std::optional<size_t>(10));
    ASSERT_EQ(view.readouts.size(), 2u);
    EXPECT_EQ(view.readouts.back().rfind("f = 110 Гц, |k| = ", 0), 0u);
    EXPECT_EQ(graph.Readout(kGraphArea, view.where.X), view.readouts.back());
    EXPECT_EQ(view.where, MarkerPixel(state, &graph.Kept(), kGraphArea, 10));
    EXPECT_EQ(view.repaints, 2);
}

TEST_F(GraphMarkerKeys, ReadoutNamesTheKeptCurvesOnceOneIsRemembered) {
    graph.MoveMarker(MarkerStep::First, kGraphArea);
    graph.RememberCurve();
    ASSERT_EQ(view.readouts.size(), 2u);
    EXPECT_NE(view.readouts.back().find("\n1: f = 10 Гц"), std::string::npos);
}

TEST_F(GraphMarkerKeys, PaintDrawsTheMarkerThroughItsPoint) {
    RecordingSurface before;
    graph.FormPaint(before, 771, 568);
    EXPECT_TRUE(before.marker.empty());
    graph.MoveMarker(MarkerStep::Last, kGraphArea);
    RecordingSurface after;
    graph.FormPaint(after, 771, 568);
    ASSERT_FALSE(after.marker.empty());
    const Point at = view.where;
    EXPECT_EQ(after.marker.front(), (Point{at.X, kChartMargin}));
    EXPECT_NE(std::find(after.marker.begin(), after.marker.end(), Point{at.X - 4, at.Y - 4}),
              after.marker.end());
}

TEST_F(GraphMarkerKeys, ANewCalculationTakesTheMarkerAway) {
    graph.MoveMarker(MarkerStep::Next, kGraphArea);
    graph.CalcStateChanged();
    EXPECT_EQ(graph.Marker(), std::nullopt);
    EXPECT_EQ(view.readouts.back(), "");
    RecordingSurface after;
    graph.FormPaint(after, 771, 568);
    EXPECT_TRUE(after.marker.empty());
}

TEST_F(GraphMarkerKeys, KeysDoNothingWithoutAChart) {
    state.Computed = 1;
    graph.MoveMarker(MarkerStep::Next, kGraphArea);
    EXPECT_EQ(graph.Marker(), std::nullopt);
    EXPECT_TRUE(view.readouts.empty());
    EXPECT_EQ(view.repaints, 0);
}

} // namespace
