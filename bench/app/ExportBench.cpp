#include "MillionPointStage.h"
#include "app/files/TableExport.h"
#include "app/graph/CharacteristicPoints.h"
#include "app/graph/GraphReadout.h"
#include "app/presenters/MainWindowTexts.h"

#include <benchmark/benchmark.h>

namespace {

// A million-frequency calculation of a typical stage, made once for every benchmark here.
struct MillionRows {
    MillionRows() : result(Calculated(MillionPointStage())), results(5) {
        WriteResultHeadings(results);
        results.Show(result);
    }
    SharedResult result;
    ResultTable results;
};

MillionRows& Rows() {
    static MillionRows rows;
    return rows;
}

// Ctrl+A, Ctrl+C: the whole table as clipboard text.
void BM_CopyMillionRows(benchmark::State& state) {
    const ResultTable& table = Rows().results;
    size_t bytes = 0;
    for (auto _ : state)
        bytes = CopyText(table, WholeTable(table)).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CopyMillionRows)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CsvMillionRows(benchmark::State& state) {
    const ResultTable& table = Rows().results;
    for (auto _ : state)
        benchmark::DoNotOptimize(CsvText(table));
}
BENCHMARK(BM_CsvMillionRows)->Unit(benchmark::kMillisecond)->Iterations(5);

// One mouse move over the graph of a million points, in each mode.
void BM_ReadoutMillionPoints(benchmark::State& state) {
    const SweepResult& calc = *Rows().result;
    const bool logScale = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(PointUnderPointer(calc, logScale, {0, 0, 763, 534}, 400));
}
BENCHMARK(BM_ReadoutMillionPoints)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CharacteristicPointsMillionPoints(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCharacteristicPoints(*Rows().result));
}
BENCHMARK(BM_CharacteristicPointsMillionPoints)->Unit(benchmark::kMillisecond);

} // namespace
