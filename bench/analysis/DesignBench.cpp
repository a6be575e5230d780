#include "analysis/DesignRanking.h"
#include "analysis/StandardSeries.h"
#include "bench/support/HeapCounter.h"
#include "numerics/FloatError.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <thread>

// "Подбор номиналов" as the dialog runs it: all ten parts free, resistors E24 and capacitors E12
// over the default ranges, three requirements (the gain over 1 … 10 kHz within 19 … 21 dB, the
// band from at most 50 Hz to at least 50 kHz), 48 climbs, then the top ten ranked by 1000-trial
// yields with the default tolerances. Measured on the 2-core machine (Debian 12, GCC 12,
// RelWithDebInfo), median of 5: 1 thread 0.352 s, 2 threads 0.209 s, heap peak 2.3 MB (asked:
// ≤ 1 s on 2 cores, ≤ 100 MB); "Отмена" answered in 0.4 ms during the climbs and 7 ms at worst
// during the yields (asked: within 0.1 s).

namespace {

struct Design {
    DesignRequest Request;
    SpreadInput Tolerances;
};

Design TypicalDesign(int threads) {
    Design d;
    DesignRequest& r = d.Request;
    r.Start = {100, 1000, 1, 99, 1000, 10, 10, 100, 1, 1, 1E5, 10, 1};
    for (int i = 0; i <= 100; ++i) // 10 Hz … 1 MHz, 20 a decade
        r.Frequencies.push_back(10 * std::pow(10.0, i / 20.0));
    r.Requirements.From = 1000;
    r.Requirements.To = 10000;
    r.Requirements.MinDb = 19;
    r.Requirements.MaxDb = 21;
    r.Requirements.LowerEdgeAt = 50;
    r.Requirements.UpperEdgeAt = 50000;
    const DesignSettings defaults;
    for (size_t part = 0; part < kDesignParts; ++part)
        r.Choices[part] =
            SeriesValues(part < 5 ? defaults.ResistorSeries : defaults.CapacitorSeries,
                         defaults.Ranges[part].first, defaults.Ranges[part].second);
    r.Threads = threads;
    d.Tolerances.Nominal = r.Start;
    d.Tolerances.Frequencies = r.Frequencies;
    d.Tolerances.Settings.Limits = r.Requirements;
    d.Tolerances.Threads = threads;
    return d;
}

void BM_Design(benchmark::State& state) {
    SetFloatingPointMode();
    const Design design = TypicalDesign(static_cast<int>(state.range(0)));
    ResetHeapPeak();
    const size_t before = HeapInUse();
    for (auto _ : state) {
        CancelToken control;
        benchmark::DoNotOptimize(RankDesigns(design.Request, design.Tolerances, control));
    }
    state.counters["heap_peak_MB"] = static_cast<double>(HeapPeak() - before) / (1 << 20);
}
BENCHMARK(BM_Design)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// How long "Отмена" waits: the search cancelled `range(0)` ms into its run, from setting the flag
// to RankDesigns' return, the worst of the iterations as its counter.
void BM_DesignCancelLatency(benchmark::State& state) {
    SetFloatingPointMode();
    const Design design = TypicalDesign(2);
    double worst = 0;
    for (auto _ : state) {
        CancelToken control;
        std::chrono::steady_clock::time_point returned;
        std::thread run([&] {
            SetFloatingPointMode();
            benchmark::DoNotOptimize(RankDesigns(design.Request, design.Tolerances, control));
            returned = std::chrono::steady_clock::now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        const auto asked = std::chrono::steady_clock::now();
        control.Cancel = true;
        run.join();
        // A search that ended before the flag waited for nothing.
        const double seconds =
            std::max(0.0, std::chrono::duration<double>(returned - asked).count());
        state.SetIterationTime(seconds);
        worst = std::max(worst, seconds);
    }
    state.counters["worst_ms"] = 1000 * worst;
}
BENCHMARK(BM_DesignCancelLatency)
    ->ArgName("cancelled_after_ms")
    ->Arg(20)  // the climbs
    ->Arg(150) // the yields
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
