#pragma once

#include "AccessibleDescription.h"
#include "Controls.h"
#include "WindowsApi.h"
#include "app/presenters/GraphPresenter.h"

#include <string>

// Binds the graph window's commands (keys and a context menu) and its readouts to the window: a
// tooltip beside the pointer naming the computed point under it, and the marker the arrow keys,
// Home, End, PgUp and PgDn move, whose readout is a tooltip at the marker and the window's
// accessible description.
class GraphActions {
  public:
    GraphActions(HWND window, GraphPresenter& form);
    ~GraphActions();
    GraphActions(const GraphActions&) = delete;
    GraphActions& operator=(const GraphActions&) = delete;

    // Messages of the window that concern them; true when handled.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The readout the tooltip shows now, "" when hidden.
    const std::string& Readout() const { return tip_.Text(); }
    // What a screen reader reads as the window's description: the marker's readout.
    const std::string& Description() const { return description_.Text(); }

    // The presenter's marker readout: the tooltip at `at` and the description, announced.
    void ShowMarkerReadout(const std::string& text, Point at);

  private:
    void ShowReadout(POINT client);
    void ShowTip(const std::string& text, POINT client);
    void HideReadout();
    // The chart is laid out at 96 DPI and drawn scaled to the window's DPI.
    ClipRect ChartArea() const;
    LONG ToChart(LONG pixels) const;
    LONG ToPixels(LONG chart) const;

    HWND window_;
    GraphPresenter& presenter_;
    TrackingTip tip_;
    bool tracking_ = false;    // asked to be told when the pointer leaves
    POINT pointer_ = {-1, -1}; // where the pointer was last seen, in client pixels
    AccessibleDescription description_;
};
