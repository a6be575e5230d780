#pragma once

#include "WindowsApi.h"
#include "app/MessageBoxes.h"

#include <functional>
#include <string>
#include <vector>

// A context menu of commands, each run through the top-level error handler when chosen.
class PopupMenu {
  public:
    // `shortcut` is shown right-aligned beside the text; a disabled command is greyed.
    void Add(const std::string& text, const std::string& shortcut, bool enabled,
             std::function<void()> command);

    // Shows the menu at a point on the screen, or under the window's top-left corner for
    // (-1, -1) (a menu opened from the keyboard), and runs the command chosen, if any.
    void Show(HWND owner, POINT screen, MessageBoxes& boxes) const;

  private:
    struct Item {
        std::string text;
        std::string shortcut;
        bool enabled;
        std::function<void()> command;
    };
    std::vector<Item> items_;
};
