#pragma once

#include "app/spread/SpreadView.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The dialog, the boxes and the clipboard as the presenter drives them.
struct FakeSpreadView final : SpreadView {
    void OpenDialog(const SpreadFields& f) override {
        opened.push_back(f);
        if (whileDialogUp)
            whileDialogUp();
    }
    void FocusField(int id) override { focused.push_back(id); }
    void StartPolling() override { polling = true; }
    void StopPolling() override { polling = false; }
    void ShowProgress(int permille) override { progress.push_back(permille); }
    void CloseProgress() override { ++progressClosed; }
    void ShowResults(const std::string& text,
                     const std::shared_ptr<const SpreadResult>& result) override {
        results.push_back(text);
        shown = result;
    }
    bool SetClipboardText(const std::string& text) override {
        if (clipboardBusy)
            return false;
        clipboard = text;
        return true;
    }

    std::vector<SpreadFields> opened;
    std::function<void()> whileDialogUp; // as the messages the modal dialog dispatches
    std::vector<int> focused;
    bool polling = false;
    std::vector<int> progress;
    int progressClosed = 0;
    std::vector<std::string> results;
    std::string clipboard;
    bool clipboardBusy = false;
    std::shared_ptr<const SpreadResult> shown;
};
