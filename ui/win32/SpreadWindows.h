#pragma once

#include "FileDialog.h"
#include "ProgressBox.h"
#include "SpreadResultsBox.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StagePresenters.h"
#include "app/spread/SpreadView.h"

class MainWindow;
class SettingsDialog;

// The windows of "Расчет" → "Разброс…" as its presenter, SpreadPresenter, sees them: the dialog
// (made anew each time it opens), the progress box and the results box, owned by the main window,
// and the clipboard. They forward every event to the presenter, which owns the run and decides.
class SpreadWindows final : public SpreadView {
  public:
    SpreadWindows(StagePresenters& presenters, MainWindow& main, MessageBoxes& boxes);
    ~SpreadWindows();
    SpreadWindows(const SpreadWindows&) = delete;
    SpreadWindows& operator=(const SpreadWindows&) = delete;

    SpreadPresenter& Presenter() { return presenter_; }
    // Where "Сохранить разброс…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { presenter_.SetFileChooser(chooser); }

    // SpreadView
    void OpenDialog(const SpreadFields& fields) override;
    void FocusField(int id) override;
    void StartPolling() override { progress_.StartPolling(); }
    void StopPolling() override { progress_.StopPolling(); }
    void ShowProgress(int permille) override { progress_.ShowProgress(permille); }
    void CloseProgress() override { progress_.CloseProgress(); }
    void ShowResults(const std::string& text,
                     const std::shared_ptr<const SpreadResult>& result) override {
        results_.ShowResults(text, result);
    }
    bool SetClipboardText(const std::string& text) override;

  private:
    StagePresenters& presenters_;
    HWND owner_;
    FileDialog dialog_;
    TurnTakingChooser dialogs_;
    SpreadPresenter& presenter_;
    ProgressBox progress_;
    SpreadResultsBox results_;
    SettingsDialog* dialogOpen_ = nullptr;
};
