#pragma once

#include "ProgressBox.h"
#include "app/design/DesignView.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StagePresenters.h"

class MainWindow;
class SettingsDialog;

// The windows of "Расчет" → "Подбор номиналов…" as its presenter, DesignPresenter, sees them: the
// dialog and the results box (each made anew when it opens), the progress box, owned by the main
// window, and the clipboard. They forward every event to the presenter, which decides.
class DesignWindows final : public DesignView {
  public:
    DesignWindows(StagePresenters& presenters, MainWindow& main);
    ~DesignWindows();
    DesignWindows(const DesignWindows&) = delete;
    DesignWindows& operator=(const DesignWindows&) = delete;

    DesignPresenter& Presenter() { return presenter_; }

    // DesignView
    void OpenDialog(const DesignFields& fields) override;
    void FocusField(int id) override;
    void StartPolling() override { progress_.StartPolling(); }
    void StopPolling() override { progress_.StopPolling(); }
    void ShowProgress(int permille) override { progress_.ShowProgress(permille); }
    void CloseProgress() override { progress_.CloseProgress(); }
    void ShowResults(const std::string& summary, const std::vector<std::string>& lines) override;
    bool SetClipboardText(const std::string& text) override;

  private:
    StagePresenters& presenters_;
    HWND owner_;
    DesignPresenter& presenter_;
    ProgressBox progress_;
    SettingsDialog* dialogOpen_ = nullptr;
    HWND resultsOpen_ = nullptr;
};
