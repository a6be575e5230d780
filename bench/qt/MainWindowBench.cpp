#include "app/session/StagePresenters.h"
#include "bench/support/HeapCounter.h"
#include "numerics/NumberText.h"
#include "tests/qt/FakeMessageBoxes.h"
#include "ui/qt/LocaleSeparator.h"
#include "ui/qt/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

const char* const kStage[13] = {"100", "1000", "1", "99",  "1000", "10", "1",
                                "100", "1",    "1", "1e5", "10",   "1"};

void TypeMillionFrequencySweep(MainWindow& window) {
    for (int row = 1; row <= 13; ++row)
        window.SetCellText(1, row, kStage[row - 1]);
    window.SetEditText(StageField::From, "1");
    window.SetEditText(StageField::To, "1000000");
    window.SetEditText(StageField::Step, "1");
}

// "расчет" over a million frequencies through the real window on the offscreen platform, until
// the result table has painted its first rows; then a jump to the last row, painted.
void BM_MainWindowMillionFrequencies(benchmark::State& state) {
    FakeMessageBoxes boxes;
    StagePresenters localPresenters(boxes);
    MainWindow window(localPresenters, boxes);
    window.show();
    QApplication::processEvents();
    auto* table = window.findChild<QTableView*>("SgResult");
    auto* calculate = window.findChild<QPushButton*>("BuRas");
    double scrollSeconds = 0;
    size_t beyondSeries = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TypeMillionFrequencySweep(window);
        table->scrollToTop();
        // Start from an empty table, so the figure counts all that the sweep adds.
        window.Results().Show(NoResult());
        window.Results().SetRowCount(5);
        QApplication::processEvents();
        table->viewport()->repaint();
        const size_t before = HeapInUse();
        ResetHeapPeak();
        state.ResumeTiming();

        calculate->click();
        table->viewport()->repaint();

        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
        table->viewport()->repaint();
        scrollSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        QApplication::processEvents();
        const size_t series = 3 * window.Result().Frequencies.capacity() * sizeof(double);
        beyondSeries = HeapPeak() - before - series;
        state.ResumeTiming();
    }
    state.counters["frequencies"] = window.Result().Count();
    state.counters["scroll_to_last_row_ms"] = scrollSeconds * 1000;
    state.counters["peak_heap_beyond_series_bytes_per_frequency"] =
        static_cast<double>(beyondSeries) / window.Result().Count();
}
BENCHMARK(BM_MainWindowMillionFrequencies)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ctrl+A, Ctrl+C on a table of a million rows, until the text is on the clipboard; the
// separator asked of the locale as in the program.
void BM_MainWindowCopyMillionRows(benchmark::State& state) {
    SetDecimalSeparatorSource(&LocaleDecimalSeparator);
    FakeMessageBoxes boxes;
    StagePresenters localPresenters(boxes);
    MainWindow window(localPresenters, boxes);
    window.show();
    TypeMillionFrequencySweep(window);
    window.findChild<QPushButton*>("BuRas")->click();
    QApplication::processEvents();
    auto* table = window.findChild<QTableView*>("SgResult");
    table->setFocus();
    for (auto _ : state) {
        table->clearSelection();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    }
    state.counters["characters"] = static_cast<double>(QGuiApplication::clipboard()->text().size());
    SetDecimalSeparatorSource(nullptr);
}
BENCHMARK(BM_MainWindowCopyMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
