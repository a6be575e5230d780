#include "ui/win32/GdiSurface.h"

#include "Canvas.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kBackground = RGB(192, 192, 192);
constexpr COLORREF kGreen = RGB(0, 128, 0);

template <class Draw> void DrawOn(Canvas& canvas, Draw draw) {
    GdiSurface surface(canvas.Dc(), canvas.Area(), kBackground);
    surface.SetPenColor({0, 128, 0});
    draw(surface);
}

TEST(GdiSurface, ClipIsTheAreaGiven) {
    Canvas canvas(200, 120);
    const GdiSurface surface(canvas.Dc(), {0, 0, 763, 534}, kBackground);
    EXPECT_EQ(surface.Clip(), (ClipRect{0, 0, 763, 534}));
}

TEST(GdiSurface, LineLeavesOutItsEndPixelInEveryDirection) {
    Canvas canvas(200, 120);
    DrawOn(canvas, [](Surface& s) {
        s.MoveTo(10, 10);
        s.LineTo(20, 10);
        s.MoveTo(30, 5);
        s.LineTo(30, 15);
        // Upwards and leftwards the end left out is still the end, not the start.
        s.MoveTo(61, 117);
        s.LineTo(52, 64);
        s.MoveTo(150, 20);
        s.LineTo(120, 20);
    });
    EXPECT_EQ(canvas.Pixel(10, 10), kGreen);
    EXPECT_EQ(canvas.Pixel(19, 10), kGreen);
    EXPECT_EQ(canvas.Pixel(20, 10), kPaper);
    EXPECT_EQ(canvas.Pixel(30, 14), kGreen);
    EXPECT_EQ(canvas.Pixel(30, 15), kPaper);
    EXPECT_EQ(canvas.Pixel(61, 117), kGreen);
    EXPECT_EQ(canvas.Pixel(52, 64), kPaper);
    EXPECT_EQ(canvas.Pixel(150, 20), kGreen);
    EXPECT_EQ(canvas.Pixel(121, 20), kGreen);
    EXPECT_EQ(canvas.Pixel(120, 20), kPaper);
}

TEST(GdiSurface, DottedPenSetsEveryOtherPixelFromTheFirst) {
    Canvas canvas(200, 120);
    DrawOn(canvas, [](Surface& s) {
        s.SetPenStyle(PenStyle::Dotted);
        s.MoveTo(10, 50);
        s.LineTo(30, 50);
        s.MoveTo(100, 100);
        s.LineTo(100, 20);
    });
    for (int x = 10; x < 30; ++x)
        EXPECT_EQ(canvas.Pixel(x, 50) == kGreen, (x - 10) % 2 == 0) << "x = " << x;
    EXPECT_EQ(canvas.Pixel(30, 50), kPaper);
    for (int y = 100; y > 20; --y)
        EXPECT_EQ(canvas.Pixel(100, y) == kGreen, (100 - y) % 2 == 0) << "y = " << y;
}

TEST(GdiSurface, PolylineInChunksHasThePixelsOfItsSegments) {
    // More points than one Polyline call takes, so the curve goes in several chunks.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(0, 199), y(0, 119), repeat(0, 3);
    std::vector<Point> points;
    while (points.size() < 40000) {
        points.push_back({x(random), y(random)});
        if (repeat(random) == 0)
            points.push_back(points.back()); // a long sweep repeats pixels
    }
    // One segment, counts around one chunk's size, and the whole curve.
    for (size_t count : {size_t(2), size_t(16383), size_t(16384), size_t(16385), points.size()}) {
        Canvas batched(200, 120);
        Canvas segments(200, 120);
        DrawOn(batched, [&](Surface& s) { s.Polyline(points.data(), count); });
        DrawOn(segments, [&](Surface& s) {
            s.MoveTo(points[0].X, points[0].Y);
            for (size_t i = 1; i < count; ++i)
                s.LineTo(points[i].X, points[i].Y);
        });
        EXPECT_TRUE(batched.SamePixels(segments)) << count << " points";
    }
}

TEST(GdiSurface, PolylineEndsWhereTheNextLineStarts) {
    Canvas canvas(200, 120);
    const Point points[] = {{10, 10}, {50, 10}, {50, 40}};
    DrawOn(canvas, [&](Surface& s) {
        s.Polyline(points, 3);
        s.LineTo(80, 40);
    });
    EXPECT_EQ(canvas.Pixel(50, 40), kGreen);
    EXPECT_EQ(canvas.Pixel(79, 40), kGreen);
    EXPECT_EQ(canvas.Pixel(80, 40), kPaper);
}

TEST(GdiSurface, TextStandsOnTheBackground) {
    Canvas canvas(200, 120);
    DrawOn(canvas, [](Surface& s) { s.TextOut(40, 60, "0,5"); });
    EXPECT_EQ(canvas.Pixel(40, 60), kBackground);
    EXPECT_TRUE(canvas.HasInk({40, 60, 60, 75}));
    EXPECT_EQ(canvas.Pixel(39, 60), kPaper);
}

} // namespace
