#pragma once

#include "WindowsApi.h"
#include "app/presenters/GraphForm.h"

#include <string>

// Binds the graph window's commands (keys and a context menu) and its readout, a tooltip beside
// the pointer naming the computed point under it, to the window.
class GraphActions {
  public:
    GraphActions(HWND window, GraphForm& form);
    ~GraphActions();
    GraphActions(const GraphActions&) = delete;
    GraphActions& operator=(const GraphActions&) = delete;

    // Messages of the window that concern them; true when handled.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The readout the tooltip shows now, "" when hidden.
    const std::string& Readout() const { return readout_; }

  private:
    void ShowReadout(POINT client);
    void HideReadout();

    HWND window_;
    GraphForm& form_;
    HWND tooltip_ = nullptr;
    std::wstring tooltipText_; // the tooltip reads its text from here
    std::string readout_;
    bool tracking_ = false; // asked to be told when the pointer leaves
};
