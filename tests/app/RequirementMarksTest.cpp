#include "app/graph/RequirementMarks.h"

#include "numerics/NumberText.h"
#include "tests/plot/PixelSurface.h"

#include <gtest/gtest.h>

namespace {

// Over log10(f) at 20 pixels a decade from 1 Hz and 2 pixels a dB from 0 dB, in a 220 × 120
// surface: the chart's columns 10 … 209 and rows 10 … 109; 1 kHz at column 70, 30 dB at row 50.
TEST(RequirementMarks, ShadeOutsideTheBoundsOverTheirRangeAndMarkTheEdges) {
    SetDecimalSeparatorSource(nullptr);
    YieldLimits r;
    r.From = 100;
    r.To = 1000;
    r.MinDb = 10;
    r.MaxDb = 30;
    r.LowerEdgeAt = 10;
    r.UpperEdgeAt = 10000;
    PixelSurface surface({0, 0, 220, 120});
    DrawRequirements(r, true, 1, 1e5, {1, 0, 10, 20}, {10, 0, 50, 2}, surface);
    const auto at = [&](int32_t x, int32_t y) {
        const auto found = surface.pixels.find({x, y});
        return found == surface.pixels.end() ? Rgb{255, 255, 255} : found->second;
    };
    // Within 100 Hz … 1 kHz: above 30 dB and below 10 dB shaded, the bounds drawn, between clear.
    EXPECT_EQ(at(60, 20), kRequirementShade);
    EXPECT_EQ(at(60, 50), kRequirementColor);
    EXPECT_EQ(at(60, 70), (Rgb{255, 255, 255}));
    EXPECT_EQ(at(60, 90), kRequirementColor);
    EXPECT_EQ(at(60, 100), kRequirementShade);
    // Outside the range nothing but the edges' lines.
    EXPECT_EQ(at(40, 20), (Rgb{255, 255, 255}));
    EXPECT_EQ(at(80, 100), (Rgb{255, 255, 255}));
    EXPECT_GT(surface.Count(30, kRequirementColor), 20);
    EXPECT_GT(surface.Count(90, kRequirementColor), 20);
    // The lower edge's label right of its line; the upper's, which would run past the chart,
    // left of it, a line lower.
    EXPECT_EQ(surface.texts, (std::vector<std::string>{"33,12 нижняя граница ≤ 10 Гц",
                                                       "-81,28 верхняя граница ≥ 10 кГц"}));
}

} // namespace
