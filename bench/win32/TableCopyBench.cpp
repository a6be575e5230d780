// Ctrl+A, Ctrl+C of a ten-million-row result table through the Win32 main window, as a user
// copies it for a spreadsheet: the time until the clipboard holds the text, and the memory the
// copy takes on top of the table (the process's committed memory, sampled while it runs).
// Plain timing of one run: a calculation of ten million frequencies comes first.
#include "BenchWindows.h"
#include "app/files/TableExport.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <psapi.h>
#include <string_view>
#include <thread>

namespace {

constexpr int kRows = 10'000'000;

double Megabytes(size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

size_t CommittedBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// The highest committed memory while it lives, sampled every millisecond on a thread of its own.
class PeakSampler {
  public:
    PeakSampler() : peak_(CommittedBytes()), thread_([this] { Sample(); }) {}
    ~PeakSampler() { Stop(); }
    PeakSampler(const PeakSampler&) = delete;
    PeakSampler& operator=(const PeakSampler&) = delete;

    size_t Stop() {
        running_ = false;
        if (thread_.joinable())
            thread_.join();
        return peak_;
    }

  private:
    void Sample() {
        while (running_) {
            peak_ = std::max<size_t>(peak_, CommittedBytes());
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        peak_ = std::max<size_t>(peak_, CommittedBytes());
    }

    std::atomic<bool> running_ = true;
    std::atomic<size_t> peak_;
    std::thread thread_;
};

void ControlKey(HWND window, WPARAM key) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

size_t ClipboardCharacters() {
    size_t length = 0;
    if (!OpenClipboard(nullptr))
        return length;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        length = GlobalSize(data) / sizeof(wchar_t);
        if (length > 0)
            --length; // the terminating zero
    }
    CloseClipboard();
    return length;
}

double Seconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

} // namespace

int main() {
    BenchProgram program;
    MainWindow& form = program.form;
    const HWND table = program.table;
    EnterTypicalStage(form, std::to_string(kRows));

    auto start = std::chrono::steady_clock::now();
    SendMessageW(GetDlgItem(form.Handle(), ControlId(MainControlName::BuRas)), BM_CLICK, 0, 0);
    const double calculation = Seconds(std::chrono::steady_clock::now() - start);
    const size_t withTable = CommittedBytes();

    ControlKey(table, 'A');
    PeakSampler sampler;
    start = std::chrono::steady_clock::now();
    ControlKey(table, 'C');
    const double copy = Seconds(std::chrono::steady_clock::now() - start);
    const size_t peak = sampler.Stop();
    const size_t characters = ClipboardCharacters();
    // The copy writes its text twice, measuring and then filling the clipboard's memory; the
    // rest is the clipboard taking it over.
    size_t bytes = 0;
    start = std::chrono::steady_clock::now();
    WriteCopyText(form.Results(), WholeTable(form.Results()),
                  [&](std::string_view piece) { bytes += piece.size(); });
    const double onePass = Seconds(std::chrono::steady_clock::now() - start);

    std::printf("%d rows, %d boxes\n", form.Result().Count(), program.boxes.shown);
    std::printf("расчет                          %8.2f s, committed afterwards %8.1f MB\n",
                calculation, Megabytes(withTable));
    std::printf("Ctrl+A, Ctrl+C                  %8.2f s, peak committed      %8.1f MB "
                "(+%.1f MB over the table)\n",
                copy, Megabytes(peak), Megabytes(peak - std::min(peak, withTable)));
    std::printf("  of which one pass over the text %8.2f s (%.1f MB of UTF-8)\n", onePass,
                Megabytes(bytes));
    std::printf("clipboard text                  %8.1f MB (%zu UTF-16 units)\n",
                Megabytes(characters * sizeof(wchar_t)), characters);
    return program.boxes.shown == 0 && form.Result().Count() == kRows && characters > 0 ? 0 : 1;
}
