#pragma once

#include "DialogWindow.h"

class SpreadForm;

// The progress box of a tolerance analysis that takes more than a moment: "Разброс: испытания…",
// a bar of the trials done and "Отмена", which stops the run. While it is up its owner, the main
// window, takes no input. It also keeps the timer by which the run is polled.
class SpreadProgressBox final : public DialogWindow {
  public:
    SpreadProgressBox(HWND owner, SpreadForm& form);

    // Brought up over the owner, then kept at `permille` of the work.
    void ShowProgress(int permille);
    // Hidden; the owner takes input again.
    void CloseProgress();
    // SpreadForm::Poll every kPollMilliseconds until stopped.
    void StartPolling();
    void StopPolling();

  private:
    void Command(int id, int notification) override;
    void Close() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    SpreadForm& form_;
};
