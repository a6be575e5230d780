#pragma once

#include "DialogWindow.h"
#include "app/spread/SpreadControls.h"

#include <functional>

// What makes a progress box the box of one analysis: its object name, caption and text, its bar
// and "Отмена", what a screen reader says of them, and the presenter's handlers.
struct ProgressBoxParts {
    const char* ObjectName;
    const char* Caption;
    const char* Text;
    NamedControl Bar;
    NamedControl Cancel;
    SpokenControl (*Spoken)(int id);
    std::function<void()> Poll;      // the timer's tick
    std::function<void()> CancelRun; // the cancel button, Escape and the close box
};

// The progress box of an analysis that takes more than a moment ("Разброс: испытания…"): its
// text, a bar of the work done and "Отмена", which stops the run. While it is up its owner, the
// main window, takes no input. It also keeps the timer by which the run is polled.
class ProgressBox final : public DialogWindow {
  public:
    ProgressBox(HWND owner, ProgressBoxParts parts);

    // Brought up over the owner, then kept at `permille` of the work.
    void ShowProgress(int permille);
    // Hidden; the owner takes input again.
    void CloseProgress();
    // Poll every kPollMilliseconds until stopped.
    void StartPolling();
    void StopPolling();

  private:
    void Command(int id, int notification) override;
    void Close() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    ProgressBoxParts parts_;
};
