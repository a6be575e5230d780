#include "app/files/StageFile.h"
#include "app/files/StageForm.h"
#include "tests/app/CalculatingForm.h"

#include <benchmark/benchmark.h>
#include <filesystem>

// Measured when the presenters came to share one stage session (three runs each, alternating, on
// the shared two-core machine): "расчет" of a million points 233–237 ms before, 236–237 ms after;
// a stage file opened 21.4–21.8 µs before, 21.4–21.7 µs after: the same within noise.

namespace {

const std::array<std::string, 13> kStage = {"100", "1000", "1", "99",     "1000", "10", "1",
                                            "100", "1",    "1", "100000", "10",   "1"};

// "расчет" of a million frequencies as the window runs it, through the main window's presenter
// over a fake window: the form read and rewritten, the check, the sweep, the table, and the other
// windows told.
void BM_PresenterCalculationMillionFrequencies(benchmark::State& state) {
    CalculatingForm calculating;
    calculating.window.Type(kStage, "1", "1000000", "1");
    for (auto _ : state)
        calculating.form.Calculate();
    state.counters["frequencies"] = calculating.form.Result().Count();
}
BENCHMARK(BM_PresenterCalculationMillionFrequencies)->Unit(benchmark::kMillisecond)->Iterations(5);

// A stage file with the analyses' settings opened through the presenter: read, checked, put into
// the form and remembered as saved.
void BM_PresenterOpenStageFile(benchmark::State& state) {
    CalculatingForm calculating;
    calculating.window.Type(kStage, "10", "100000", "10");
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "ou-presenter-bench.ou";
    SpreadSettings settings;
    settings.Trials = 500;
    settings.Limits.MinDb = 39;
    WriteStageFile(file, StageFromForm(calculating.window, SweepKind::Linear), settings);
    for (auto _ : state)
        calculating.form.OpenAtStart(file);
    std::filesystem::remove(file);
}
BENCHMARK(BM_PresenterOpenStageFile)->Unit(benchmark::kMicrosecond);

} // namespace
