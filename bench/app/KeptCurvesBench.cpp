#include "app/CalculationCommand.h"
#include "app/GraphPicture.h"
#include "app/GraphReadout.h"
#include "bench/support/NullSurface.h"
#include "tests/app/FakeCalcWindow.h"

#include <benchmark/benchmark.h>

namespace {

// A million-frequency calculation of the typical stage as the current curve, and six kept ones of
// the same sweep with R4 from 100 to 600 kΩ.
struct SevenCurves {
    SevenCurves() : window(state) {
        std::array<std::string, 13> stage = {"100", "1000", "1", "99",     "1000", "10", "1",
                                             "100", "1",    "1", "100000", "10",   "1"};
        for (int i = 1; i <= 7; ++i) {
            stage[3] = std::to_string(i * 100);
            window.Type(stage, "1", "1000000", "1");
            BuRasClick(window, state);
            if (i < 7)
                kept.Remember(state);
        }
    }
    CalcState state;
    FakeCalcWindow window;
    KeptCurves kept;
};

SevenCurves& Curves() {
    static SevenCurves curves;
    return curves;
}

// One paint of the graph window, in each mode: seven million-point curves and the legend.
void BM_PaintSevenMillionPointCurves(benchmark::State& state) {
    SevenCurves& curves = Curves();
    curves.state.LogScale = state.range(0) != 0;
    GraphPicture picture(curves.state);
    picture.SetKeptCurves(&curves.kept);
    NullSurface surface;
    for (auto _ : state)
        picture.Paint(surface, 1936, 1119);
    curves.state.LogScale = false;
}
BENCHMARK(BM_PaintSevenMillionPointCurves)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One mouse move over the same graph: the readout of all seven curves.
void BM_ReadoutSevenMillionPointCurves(benchmark::State& state) {
    SevenCurves& curves = Curves();
    curves.state.LogScale = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ReadoutUnderPointer(curves.state, curves.kept, {0, 0, 1920, 1080}, 400));
    curves.state.LogScale = false;
}
BENCHMARK(BM_ReadoutSevenMillionPointCurves)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
