#include "bench/support/NullSurface.h"
#include "plot/Chart.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// A first-order low-pass response in decibels over a linear sweep.
void DrawMillionPointChart(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    std::vector<double> f(count), gain(count);
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
    std::vector<double> gain(static_cast<size_t>(state.range(0)));
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
