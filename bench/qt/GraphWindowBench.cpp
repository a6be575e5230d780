#include "app/session/StagePresenters.h"
#include "tests/qt/FakeMessageBoxes.h"
#include "ui/qt/GraphWindow.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// A million-point sweep with a gain that falls off, as a calculation would leave it.
SharedResult MillionPointResult() {
    auto s = std::make_shared<SweepResult>();
    constexpr int32_t kCount = 1'000'000;
    s->Computed = kCount;
    for (int32_t i = 0; i < kCount; ++i) {
        const double f = 1 + i;
        const double ratio = 100 / std::sqrt(1 + f * f / 1e8);
        s->Frequencies.push_back(f);
        s->Ratio.push_back(ratio);
        s->Decibels.push_back(20 * std::log10(ratio));
    }
    return s;
}

// One full paint of the graph window at its laid-out size, into an offscreen pixmap of the given
// device pixel ratio (percent): 100 for a 96-dpi screen, 200 for a 4K laptop at 200 %.
void BM_GraphWindowPaint(benchmark::State& state) {
    FakeMessageBoxes boxes;
    const double scale = static_cast<double>(state.range(1)) / 100;
    StagePresenters localPresenters(boxes);
    GraphWindow graph(localPresenters, boxes);
    graph.Show(MillionPointResult(), state.range(0) != 0);
    QPixmap target(graph.size() * scale);
    target.setDevicePixelRatio(scale);
    for (auto _ : state)
        graph.render(&target);
    state.SetLabel(std::string(state.range(0) != 0 ? "dB over log10(f)" : "ratio over f") +
                   ", scale " + std::to_string(state.range(1)) + " %");
}
BENCHMARK(BM_GraphWindowPaint)->ArgsProduct({{0, 1}, {100, 200}})->Unit(benchmark::kMillisecond);

} // namespace
