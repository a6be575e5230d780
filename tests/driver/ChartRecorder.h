#pragma once

#include "plot/Surface.h"

#include <string_view>
#include <vector>

// Records what the chart draws, to check a window's pixels against: the dotted grid's lines, the
// curve's points and the titles written over the curve.
class ChartRecorder final : public Surface {
  public:
    explicit ChartRecorder(ClipRect clip) : clip_(clip) {}
    ClipRect Clip() const override { return clip_; }
    void SetPenStyle(PenStyle style) override { style_ = style; }
    void SetPenColor(Rgb) override {}
    void MoveTo(int32_t x, int32_t y) override { from_ = {x, y}; }
    void LineTo(int32_t x, int32_t y) override {
        if (style_ == PenStyle::Dotted)
            (x == from_.X ? verticalGrid : horizontalGrid).push_back(x == from_.X ? x : y);
        from_ = {x, y};
    }
    void TextOut(int32_t x, int32_t y, std::string_view) override {
        if (!curve.empty())
            titles.push_back({x, y});
    }
    void Polyline(const Point* points, size_t count) override {
        curve.assign(points, points + count);
    }

    // Under a title written after the curve.
    bool UnderTitle(Point p) const {
        for (const Point& title : titles)
            if (p.X >= title.X && p.X < title.X + 60 && p.Y >= title.Y && p.Y < title.Y + 16)
                return true;
        return false;
    }

    std::vector<int32_t> verticalGrid;   // x of each vertical grid line
    std::vector<int32_t> horizontalGrid; // y of each horizontal one
    std::vector<Point> curve;
    std::vector<Point> titles;

  private:
    ClipRect clip_;
    PenStyle style_ = PenStyle::Solid;
    Point from_ = {0, 0};
};
