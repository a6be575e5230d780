#include "tests/calculation/FakeCalcWindow.h"
#include "ui/CalculationCommand.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <malloc.h>
#include <new>

// Heap in use and its peak, to show what a sweep costs beyond its three series.
namespace {
std::atomic<size_t> heapInUse{0};
std::atomic<size_t> heapPeak{0};
} // namespace

void* operator new(size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    const size_t now = heapInUse += malloc_usable_size(p);
    for (size_t peak = heapPeak; now > peak && !heapPeak.compare_exchange_weak(peak, now);)
        ;
    return p;
}
// This replaces the global operator new above, so free() is the matching release.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    if (p != nullptr)
        heapInUse -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    operator delete(p);
}

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
        const size_t before = heapInUse;
        heapPeak = before;
        state.ResumeTiming();

        BuRasClick(window, calc);

        state.PauseTiming();
        const size_t series = 3 * calc.Frequencies.capacity() * sizeof(double);
        beyondSeries = heapPeak - before - series;
        state.ResumeTiming();
    }
    state.counters["frequencies"] = calc.Count;
    state.counters["peak_heap_beyond_series_bytes"] = static_cast<double>(beyondSeries);
}
BENCHMARK(BM_BuRasClickMillionFrequencies)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
