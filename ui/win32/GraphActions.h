#pragma once

#include "Controls.h"
#include "WindowsApi.h"
#include "app/GraphForm.h"

#include <string>

// Binds the graph window's commands (keys and a context menu) and its readout, a tooltip beside
// the pointer naming the computed point under it, to the window.
class GraphActions {
  public:
    GraphActions(HWND window, GraphForm& form);

    // Messages of the window that concern them; true when handled.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The readout the tooltip shows now, "" when hidden.
    const std::string& Readout() const { return readout_.Text(); }

  private:
    void ShowReadout(POINT client);
    void HideReadout();

    HWND window_;
    GraphForm& form_;
    // The readout names the kept curves on lines of their own.
    TrackingTip readout_{window_, 600};
    bool tracking_ = false; // asked to be told when the pointer leaves
};
