#include "bench/support/HeapCounter.h"
#include "tests/app/FakeCalcWindow.h"
#include "app/CalculationCommand.h"

#include <benchmark/benchmark.h>

namespace {

// "расчет" over a million frequencies through a window without controls.
void BM_BuRasClickMillionFrequencies(benchmark::State& state) {
    CalcState calc;
    FakeCalcWindow window(calc);
    window.Type({"100", "1000", "1", "99", "1000", "10", "1", "100", "1", "1", "100000", "10", "1"},
                "1", "1000000", "1");
    size_t beyondSeries = 0;
    for (auto _ : state) {
        state.PauseTiming();
        calc = CalcState{};
        const size_t before = HeapInUse();
        ResetHeapPeak();
        state.ResumeTiming();

        BuRasClick(window, calc);

        state.PauseTiming();
        const size_t series = 3 * calc.Frequencies.capacity() * sizeof(double);
        beyondSeries = HeapPeak() - before - series;
        state.ResumeTiming();
    }
    state.counters["frequencies"] = calc.Count;
    state.counters["peak_heap_beyond_series_bytes"] = static_cast<double>(beyondSeries);
}
BENCHMARK(BM_BuRasClickMillionFrequencies)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
