#pragma once

#include "app/design/DesignView.h"

#include <functional>
#include <string>
#include <vector>

// The design's windows as the presenter drives them; `answer` plays the results box's user.
struct FakeDesignView final : DesignView {
    void OpenDialog(const DesignFields& f) override { opened.push_back(f); }
    void FocusField(int id) override { focused.push_back(id); }
    void StartPolling() override { polling = true; }
    void StopPolling() override { polling = false; }
    void ShowProgress(int permille) override { progress.push_back(permille); }
    void CloseProgress() override { ++progressClosed; }
    void ShowResults(const std::string& s, const std::vector<std::string>& l) override {
        summary = s;
        lines = l;
        if (answer)
            answer();
    }
    bool SetClipboardText(const std::string& text) override {
        clipboard = text;
        return true;
    }

    std::vector<DesignFields> opened;
    std::vector<int> focused;
    bool polling = false;
    std::vector<int> progress;
    int progressClosed = 0;
    std::string summary;
    std::vector<std::string> lines;
    std::function<void()> answer;
    std::string clipboard;
};
