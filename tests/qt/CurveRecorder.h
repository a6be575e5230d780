#pragma once

#include "plot/Surface.h"

#include <vector>

// Records where the chart puts its curve, to check the painted pixels against.
class CurveRecorder final : public Surface {
  public:
    explicit CurveRecorder(ClipRect clip) : clip_(clip) {}
    ClipRect Clip() const override { return clip_; }
    void SetPenStyle(PenStyle) override {}
    void SetPenColor(Rgb) override {}
    void MoveTo(int32_t, int32_t) override {}
    void LineTo(int32_t, int32_t) override {}
    void TextOut(int32_t, int32_t, std::string_view) override {}
    void Polyline(const Point* points, size_t count) override {
        curve.assign(points, points + count);
    }
    std::vector<Point> curve;

  private:
    ClipRect clip_;
};
