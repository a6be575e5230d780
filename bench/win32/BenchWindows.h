#pragma once

// What the Win32 benchmarks share: the program's start, a typical stage typed into the main
// window, and message boxes that only count.
#include "numerics/FloatError.h"
#include "ui/win32/StartUp.h"

#include <cstdio>
#include <string>

// Nothing a benchmark does should ask anything; a box would be a fault of the setup.
class CountingBoxes final : public MessageBoxes {
  public:
    void ShowMessage(const std::string&) override { ++shown; }
    void ShowError(const std::string& text) override {
        ++shown;
        std::printf("error box: %s\n", text.c_str());
    }
    Answer Ask(const std::string&) override {
        ++shown;
        return Answer::No;
    }
    int shown = 0;
};

// As the program starts, before its first window.
struct ProgramStart {
    ProgramStart() {
        SetFloatingPointMode();
        InitialiseControls();
    }
};

// The program's windows as it starts them, with boxes that only count.
struct BenchProgram : ProgramStart {
    CountingBoxes boxes;
    ProgramWindows windows{boxes};
    MainWindow& form = windows.Main;
    const HWND table = form.ResultGrid().Handle();
};

// A typical stage (gain about 100 up to some kHz) and the sweep 1 … `lastHertz` Hz, step 1 Hz.
inline void EnterTypicalStage(MainWindow& form, const std::string& lastHertz) {
    static const char* const kStage[13] = {"100", "1000", "1", "99",  "1000", "10", "10",
                                           "100", "1",    "1", "1e5", "10",   "1"};
    for (int row = 1; row <= 13; ++row)
        form.SetCellText(1, row, kStage[row - 1]);
    form.SetEditText(StageField::From, "1");
    form.SetEditText(StageField::To, lastHertz);
    form.SetEditText(StageField::Step, "1");
}
