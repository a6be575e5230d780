#include "tests/app/FakeCalcWindow.h"
#include "app/CalculationCommand.h"
#include "app/CharacteristicPoints.h"
#include "app/GraphReadout.h"
#include "app/TableExport.h"

#include <benchmark/benchmark.h>

namespace {

// A million-frequency calculation of a typical stage, made once for every benchmark here.
struct MillionRows {
    MillionRows() : window(state) {
        window.Type(
            {"100", "1000", "1", "99", "1000", "10", "1", "100", "1", "1", "100000", "10", "1"},
            "1", "1000000", "1");
        BuRasClick(window, state);
    }
    CalcState state;
    FakeCalcWindow window;
};

MillionRows& Rows() {
    static MillionRows rows;
    return rows;
}

// Ctrl+A, Ctrl+C: the whole table as clipboard text.
void BM_CopyMillionRows(benchmark::State& state) {
    const ResultTable& table = Rows().window.results;
    size_t bytes = 0;
    for (auto _ : state)
        bytes = CopyText(table, WholeTable(table)).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CopyMillionRows)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CsvMillionRows(benchmark::State& state) {
    const ResultTable& table = Rows().window.results;
    for (auto _ : state)
        benchmark::DoNotOptimize(CsvText(table));
}
BENCHMARK(BM_CsvMillionRows)->Unit(benchmark::kMillisecond)->Iterations(5);

// One mouse move over the graph of a million points, in each mode.
void BM_ReadoutMillionPoints(benchmark::State& state) {
    CalcState& calc = Rows().state;
    calc.LogScale = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(PointUnderPointer(calc, {0, 0, 763, 534}, 400));
    calc.LogScale = false;
}
BENCHMARK(BM_ReadoutMillionPoints)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CharacteristicPointsMillionPoints(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCharacteristicPoints(Rows().state));
}
BENCHMARK(BM_CharacteristicPointsMillionPoints)->Unit(benchmark::kMillisecond);

} // namespace
