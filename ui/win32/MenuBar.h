#pragma once

#include "WindowsApi.h"
#include "app/session/StagePresenters.h"

#include <string>
#include <vector>

// Binds the main window's menu bar to the program's menu bar table: a menu per table menu, its
// items with their keys shown, the choices checked, the recent files above the items set apart from
// them. The keys themselves go through Key.
class MenuBar {
  public:
    explicit MenuBar(StagePresenters& presenters) : presenters_(presenters) {}
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // Builds the bar anew when the recent files have changed; the items' states follow in
    // MenuOpening.
    void Follow(HWND window);
    // WM_INITMENUPOPUP: enabling and check marks as the presenter has them now.
    void MenuOpening(HMENU menu) const;
    // WM_COMMAND from a menu item; true when it was one of the bar's.
    bool Choose(int id);
    // A key pressed with Ctrl; true when it is one of the bar's.
    bool Key(WPARAM key);

  private:
    StagePresenters& presenters_;
    std::vector<std::string> recentFiles_;
    bool built_ = false;
};
