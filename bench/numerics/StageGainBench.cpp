#include "numerics/StageModel.h"

#include <benchmark/benchmark.h>

namespace {

StageParameters TypicalStage() {
    StageParameters p{};
    p.R1 = 99e3;
    p.R2 = 1e6;
    p.R3 = 999.9;
    p.R4 = 99e3;
    p.R5 = 1e6;
    p.C1 = 10e-6;
    p.C2 = 1e-12;
    p.C3 = 100e-6;
    p.C4 = 1e-12;
    p.C5 = 1e-12;
    p.k0 = 1e5;
    p.f1 = 1e6;
    return p;
}

// One gain evaluation, flags tested once: the fast path of every sweep frequency.
void BM_StageGain(benchmark::State& state) {
    const StageParameters p = TypicalStage();
    double f = 10;
    for (auto _ : state) {
        benchmark::DoNotOptimize(StageGain(f, p));
        f = f < 1e6 ? f + 1 : 10;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StageGain);

} // namespace
