#pragma once

#include "plot/Surface.h"

#include <benchmark/benchmark.h>

// Draws nothing: the grid calls are dropped and the curve's points are summed, so the time is
// that of the scaling and the pixel arithmetic.
class NullSurface final : public Surface {
  public:
    ClipRect Clip() const override { return {0, 0, 1920, 1080}; }
    void SetPenStyle(PenStyle) override {}
    void SetPenColor(Rgb) override {}
    void MoveTo(int32_t, int32_t) override {}
    void LineTo(int32_t, int32_t) override {}
    void TextOut(int32_t, int32_t, std::string_view text) override {
        benchmark::DoNotOptimize(text.data());
    }
    void Polyline(const Point* points, size_t count) override {
        int64_t sum = 0;
        for (size_t i = 0; i < count; ++i)
            sum += points[i].X + points[i].Y;
        benchmark::DoNotOptimize(sum);
    }
};
