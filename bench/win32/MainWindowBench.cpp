// "расчет" over a million frequencies through the Win32 main window, until the result table has
// painted; then a jump to the last row, painted. Plain timing: prints the fastest and the slowest
// of a few runs.
#include "BenchWindows.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;

void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-46s fastest %8.1f ms   median %8.1f ms   slowest %8.1f ms\n", what,
                times.front(), times[times.size() / 2], times.back());
}

} // namespace

int main() {
    BenchProgram program;
    MainWindow& form = program.form;
    const HWND table = program.table;
    const HWND calculate = GetDlgItem(form.Handle(), ControlId(MainControlName::BuRas));
    ProcessPendingMessages();

    std::vector<double> calculations;
    std::vector<double> jumps;
    for (int run = 0; run < kRuns; ++run) {
        EnterTypicalStage(form, "1000000");
        // Start from an empty table at its top, so each run does all a first one does.
        SendMessageW(table, WM_VSCROLL, SB_TOP, 0);
        form.Results().Clear();
        form.Results().SetRowCount(5);
        UpdateWindow(table);
        ProcessPendingMessages();

        auto start = std::chrono::steady_clock::now();
        SendMessageW(calculate, BM_CLICK, 0, 0);
        UpdateWindow(table);
        calculations.push_back(Milliseconds(std::chrono::steady_clock::now() - start));

        start = std::chrono::steady_clock::now();
        SendMessageW(table, WM_VSCROLL, SB_BOTTOM, 0);
        UpdateWindow(table);
        jumps.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
        ProcessPendingMessages();
    }
    std::printf("%d frequencies, %d runs, %d boxes\n", form.Result().Count(), kRuns,
                program.boxes.shown);
    Report("расчет until the table has painted", calculations);
    Report("jump to the last row, painted", jumps);
    return program.boxes.shown == 0 && form.Result().Count() == 1'000'000 ? 0 : 1;
}
