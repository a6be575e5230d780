#include "app/graph/SpreadBand.h"

#include "app/graph/GraphMarker.h"
#include "app/graph/GraphPicture.h"
#include "app/graph/GraphReadout.h"
#include "plot/Chart.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Keeps the filled columns by colour, the curves' points and the texts.
class BandSurface final : public Surface {
  public:
    ClipRect Clip() const override { return {0, 0, 500, 400}; }
    void SetPenStyle(PenStyle) override {}
    void SetPenColor(Rgb color) override { pen_ = color; }
    void MoveTo(int32_t x, int32_t y) override { at_ = {x, y}; }
    void LineTo(int32_t x, int32_t y) override {
        if (x == at_.X && (pen_ == kBandOuterColor || pen_ == kBandInnerColor))
            (pen_ == kBandOuterColor ? outer : inner)[x] = {std::min(at_.Y, y),
                                                            std::max(at_.Y, y) - 1};
        at_ = {x, y};
    }
    void TextOut(int32_t, int32_t, std::string_view text) override { texts.emplace_back(text); }
    void Polyline(const Point* points, size_t count) override {
        if (pen_ == kCurveColor)
            curve.assign(points, points + count);
    }

    struct Rows {
        int32_t top, bottom;
    };
    std::map<int32_t, Rows> outer, inner; // by column
    std::vector<Point> curve;             // the current curve's
    std::vector<std::string> texts;

  private:
    Rgb pen_{};
    Point at_{};
};

// A sweep 10 … 40 Hz, the band around its gains: min a third below, max twice, 5 … 95 % between.
struct Banded {
    explicit Banded(SpreadMode mode, bool logScale) : logScale(logScale) {
        s.Frequencies = {10, 20, 30, 40};
        s.Ratio = {8, 6, 4, 2};
        s.Decibels = {18, 15.6, 12, 6};
        s.Computed = 4;
        SpreadResult r;
        r.Mode = mode;
        r.Trials = 1000;
        r.Frequencies = {10, 20, 30, 40};
        for (size_t j = 0; j < 4; ++j) {
            const double k = s.Ratio[j], db = s.Decibels[j];
            r.BandRatio.push_back({k * 2 / 3, k * 0.9, k, k * 1.5, k * 2});
            r.BandDecibels.push_back({db - 4, db - 1, db, db + 3, db + 6});
        }
        band = std::make_shared<const SpreadResult>(std::move(r));
    }
    SweepResult s;
    bool logScale;
    std::shared_ptr<const SpreadResult> band;
};

BandSurface Painted(const Banded& b) {
    GraphPicture picture(std::make_shared<const SweepResult>(b.s), b.logScale);
    picture.SetBand(b.band);
    BandSurface surface;
    picture.Paint(surface, 508, 434);
    return surface;
}

struct BandCase {
    const char* name;
    SpreadMode mode;
    bool logScale;
    std::string legend;
};

class GraphBand : public testing::TestWithParam<BandCase> {};

TEST_P(GraphBand, LiesUnderTheCurveWithinTheChartWithALegendLine) {
    Banded b(GetParam().mode, GetParam().logScale);
    const BandSurface surface = Painted(b);

    ASSERT_EQ(surface.curve.size(), 4u);
    ASSERT_FALSE(surface.outer.empty());
    // The band covers the nominal curve's every point, in every column from the first to the last.
    EXPECT_EQ(surface.outer.size(),
              static_cast<size_t>(surface.curve.back().X - surface.curve.front().X + 1));
    for (const Point& p : surface.curve) {
        const auto& rows = surface.outer.at(p.X);
        EXPECT_TRUE(rows.top <= p.Y && p.Y <= rows.bottom) << p.X;
    }
    // The axes are ranged over it: no column reaches past the chart's margins.
    for (const auto& [column, rows] : surface.outer)
        EXPECT_TRUE(rows.top >= kChartMargin && rows.bottom <= 400 - kChartMargin) << column;
    // The darker 5 … 95 % lies inside the light min … max (corners have none).
    EXPECT_EQ(surface.inner.empty(), GetParam().mode == SpreadMode::Corners);
    for (const auto& [column, rows] : surface.inner) {
        const auto& outer = surface.outer.at(column);
        EXPECT_TRUE(outer.top <= rows.top && rows.bottom <= outer.bottom) << column;
    }
    // The corners count combinations, not trials.
    EXPECT_NE(std::find(surface.texts.begin(), surface.texts.end(), GetParam().legend),
              surface.texts.end());
    // The keyboard's marker lands on the curve drawn over the band's axes.
    for (size_t row = 0; row < surface.curve.size(); ++row)
        EXPECT_EQ(MarkerPixel(b.s, b.logScale, nullptr, b.band.get(), {0, 0, 500, 400}, row),
                  surface.curve[row]);
}

INSTANTIATE_TEST_SUITE_P(
    Spread, GraphBand,
    testing::Values(BandCase{"Ratio", SpreadMode::MonteCarlo, false, "разброс: 1000 испытаний"},
                    BandCase{"Decibels", SpreadMode::MonteCarlo, true, "разброс: 1000 испытаний"},
                    BandCase{"Corners", SpreadMode::Corners, false, "разброс: 1000 сочетаний"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GraphBand, OfAnotherSweepIsNotDrawn) {
    Banded b(SpreadMode::MonteCarlo, false);
    b.s.Computed = 3; // a calculation stopped part way: the band is not of these rows
    b.s.Fault = std::make_exception_ptr(std::runtime_error("fault"));
    const BandSurface surface = Painted(b);
    EXPECT_EQ(surface.curve.size(), 3u);
    EXPECT_TRUE(surface.outer.empty());
    EXPECT_EQ(std::find(surface.texts.begin(), surface.texts.end(), "разброс: 1000 испытаний"),
              surface.texts.end());
}

struct ReadoutCase {
    const char* name;
    SpreadMode mode;
    bool logScale;
    double frequency;
    std::string line;
};

class BandReadout : public testing::TestWithParam<ReadoutCase> {};

TEST_P(BandReadout, NamesTheBandAtThePointersFrequency) {
    const Banded b(GetParam().mode, GetParam().logScale);
    EXPECT_EQ(BandReadoutLine(*b.band, GetParam().frequency, GetParam().logScale), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Spread, BandReadout,
    testing::Values(ReadoutCase{"Ratio", SpreadMode::MonteCarlo, false, 20,
                                "разброс, раз: мин 4; 5 % 5.4; медиана 6; 95 % 9; макс 12"},
                    ReadoutCase{"Decibels", SpreadMode::MonteCarlo, true, 40,
                                "разброс, дБ: мин 2; 5 % 5; медиана 6; 95 % 9; макс 12"},
                    ReadoutCase{"Corners", SpreadMode::Corners, false, 10,
                                "разброс, раз: мин 5.333; макс 16"},
                    ReadoutCase{"NotOfTheSweep", SpreadMode::MonteCarlo, false, 25, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
