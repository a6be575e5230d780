#include "tests/qt/FakeMessageBoxes.h"
#include "ui/qt/UnFGr.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// A million-point sweep with a gain that falls off, as a calculation would leave it.
CalcState MillionPointState(bool logScale) {
    CalcState s;
    constexpr int32_t kCount = 1'000'000;
    s.Count = kCount;
    for (int32_t i = 0; i < kCount; ++i) {
        const double f = 1 + i;
        const double ratio = 100 / std::sqrt(1 + f * f / 1e8);
        s.Frequencies.push_back(f);
        s.Ratio.push_back(ratio);
        s.Decibels.push_back(20 * std::log10(ratio));
    }
    s.LogScale = logScale;
    return s;
}

// One full paint of the graph window at its laid-out size, into an offscreen pixmap.
void BM_GraphWindowPaint(benchmark::State& state) {
    FakeMessageBoxes boxes;
    const CalcState calc = MillionPointState(state.range(0) != 0);
    TForm3 graph(calc, boxes);
    QPixmap target(graph.size());
    for (auto _ : state)
        graph.render(&target);
    state.SetLabel(state.range(0) != 0 ? "dB over log10(f)" : "ratio over f");
}
BENCHMARK(BM_GraphWindowPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
