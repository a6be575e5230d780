#pragma once

#include "CalcWindow.h"

#include <string>

// What the main window's presenter sees of the window besides what the calculation command sees.
// The window implements it; tests fake it.
class MainView : public CalcWindow {
  public:
    // The companion windows: shown, raised and activated.
    virtual void ShowGraphWindow() = 0;
    virtual void ShowHelpWindow() = 0;
    // SgIsh's two column widths, names and values.
    virtual void SetParameterColumnWidths(int names, int values) = 0;
    // Label3, which grows with its text.
    virtual void SetSeparatorLabel(const std::string& text) = 0;
};
