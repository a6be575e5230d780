#pragma once

#include "app/presenters/FormView.h"

#include <cstdint>
#include <string>

// What the main window's presenter sees of the window besides what the calculation command sees.
// The window implements it; tests fake it.
class MainView : public FormView {
  public:
    // The companion windows: shown, raised and activated.
    virtual void ShowGraphWindow() = 0;
    virtual void ShowHelpWindow() = 0;
    // SgIsh's two column widths, names and values.
    virtual void SetParameterColumnWidths(int names, int values) = 0;
    // Label3, which grows with its text.
    virtual void SetSeparatorLabel(const std::string& text) = 0;
    // Label5, over the sweep fields, and the name of the field under its last words, EdDf's
    // tooltip and accessible name.
    virtual void SetSweepLabel(const std::string& text, const std::string& fieldName) = 0;
    // The pixels Label5 takes for the text in its font.
    virtual int32_t SweepLabelWidth(const std::string& text) const = 0;
    // The window's caption.
    virtual void SetCaption(const std::string& text) = 0;
    // The menu bar's items follow the presenter: their check marks, enabling and the list of
    // recent files.
    virtual void MenusChanged() = 0;
    // Closes the window as its close box does, which asks the presenter first.
    virtual void CloseWindow() = 0;
};
