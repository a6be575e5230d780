#include "MillionPointStage.h"
#include "bench/support/HeapCounter.h"

#include <benchmark/benchmark.h>
#include <variant>

namespace {

// A million frequencies through the calculation without a window: the check (the unit
// conversion and the sweep's plan) and the sweep with its gains.
//
// Before the calculation left the window, the same million points went through "расчет" over a
// fake window (BuRasClick reading and rewriting sixteen texts, then the sweep into the shared
// state): measured before the change, 193–217 ms of CPU on the shared two-core machine, 24 bytes
// of heap beyond the three series. Built from that commit (26a4449) and run alternately with this
// one, six repetitions each: medians 172, 174 and 180 ms against 170, 180 and 187 ms here, the
// same within the machine's noise; the result and its shared control block add 472 bytes.
void BM_CalculationMillionFrequencies(benchmark::State& state) {
    const Stage stage = MillionPointStage();
    SharedResult result;
    size_t beyondSeries = 0;
    for (auto _ : state) {
        state.PauseTiming();
        result.reset();
        const size_t before = HeapInUse();
        ResetHeapPeak();
        state.ResumeTiming();

        const StageCheck check = CheckStage(stage);
        result = ComputeSweep(std::get<CheckedStage>(check));

        state.PauseTiming();
        const size_t series = 3 * result->Frequencies.capacity() * sizeof(double);
        beyondSeries = HeapPeak() - before - series;
        state.ResumeTiming();
    }
    state.counters["frequencies"] = result->Count();
    state.counters["peak_heap_beyond_series_bytes"] = static_cast<double>(beyondSeries);
}
BENCHMARK(BM_CalculationMillionFrequencies)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
