// "расчет" over a million frequencies through the Win32 main window, until the result table has
// painted; then a jump to the last row, painted. Plain timing: prints the fastest and the slowest
// of a few runs.
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"
#include "ui/win32/StartUp.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const char* const kStage[13] = {"100", "1000", "1", "99",  "1000", "10", "10",
                                "100", "1",    "1", "1e5", "10",   "1"};
constexpr int kRuns = 5;

// Nothing the benchmark does should ask anything; a box would be a fault of the setup.
class CountingBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string&) override { ++shown; }
    void ShowError(const std::string&) override { ++shown; }
    int shown = 0;
};

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
    SetFloatingPointMode();
    InitialiseControls();
    CountingBoxes boxes;
    ProgramWindows windows(boxes);
    TForm1& form = windows.Form1;
    const HWND table = form.SgResult().Handle();
    const HWND calculate = GetDlgItem(form.Handle(), Form1Controls::BuRas);
    ProcessPendingMessages();

    std::vector<double> calculations;
    std::vector<double> jumps;
    for (int run = 0; run < kRuns; ++run) {
        for (int row = 1; row <= 13; ++row)
            form.SetCellText(1, row, kStage[row - 1]);
        form.SetEditText(SweepEdit::EdOt, "1");
        form.SetEditText(SweepEdit::EdDo, "1000000");
        form.SetEditText(SweepEdit::EdDf, "1");
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
    std::printf("%d frequencies, %d runs, %d boxes\n", form.State().Count, kRuns, boxes.shown);
    Report("расчет until the table has painted", calculations);
    Report("jump to the last row, painted", jumps);
    return boxes.shown == 0 && form.State().Count == 1'000'000 ? 0 : 1;
}
