#include "MillionPointStage.h"
#include "app/graph/GraphPicture.h"
#include "app/graph/GraphReadout.h"
#include "bench/support/NullSurface.h"

#include <benchmark/benchmark.h>

namespace {

// A million-frequency calculation of the typical stage as the current curve, and six kept ones of
// the same sweep with R4 from 100 to 600 kΩ.
struct SevenCurves {
    SevenCurves() {
        for (int i = 1; i <= 7; ++i) {
            current = Calculated(MillionPointStage(i * 100));
            if (i < 7)
                kept.Remember(current);
        }
    }
    SharedResult current;
    KeptCurves kept;
};

SevenCurves& Curves() {
    static SevenCurves curves;
    return curves;
}

// One paint of the graph window, in each mode: seven million-point curves and the legend.
void BM_PaintSevenMillionPointCurves(benchmark::State& state) {
    SevenCurves& curves = Curves();
    GraphPicture picture(curves.current, state.range(0) != 0);
    picture.SetKeptCurves(&curves.kept);
    NullSurface surface;
    for (auto _ : state)
        picture.Paint(surface, 1936, 1119);
}
BENCHMARK(BM_PaintSevenMillionPointCurves)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One mouse move over the same graph: the readout of all seven curves.
void BM_ReadoutSevenMillionPointCurves(benchmark::State& state) {
    SevenCurves& curves = Curves();
    const bool logScale = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ReadoutUnderPointer(*curves.current, logScale, curves.kept, {0, 0, 1920, 1080}, 400));
}
BENCHMARK(BM_ReadoutSevenMillionPointCurves)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
