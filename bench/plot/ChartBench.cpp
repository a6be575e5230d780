#include "plot/mGraf.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

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

// A first-order low-pass response in decibels over a linear sweep.
void DrawMillionPointChart(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    arDouble f(count), gain(count);
    for (size_t i = 0; i < count; ++i) {
        f[i] = 10 + 0.5 * static_cast<double>(i);
        const double x = f[i] / 1e4;
        gain[i] = -10 * std::log10(1 + x * x);
    }
    NullSurface surface;
    for (auto _ : state)
        DrawChart(f, gain, 10, surface);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(DrawMillionPointChart)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void ScaleMillionPointSeries(benchmark::State& state) {
    arDouble gain(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < gain.size(); ++i)
        gain[i] = -0.001 * static_cast<double>(i);
    for (auto _ : state) {
        double step = 0, min = 0, max = 0;
        AxisRange(gain, 10, step, min, max);
        benchmark::DoNotOptimize(step);
    }
}
BENCHMARK(ScaleMillionPointSeries)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
