#pragma once

#include "Controls.h"
#include "Window.h"

// Control identifiers of the help window.
namespace Form2Controls {
enum : int { Image1 = 200, Button1 };
}

// The help window "Справка": the picture that explains the amplifier model and the units of
// entry, and a button that hides it. Created hidden; the main window's "??" shows it.
class HelpWindow final : public Window {
  public:
    static constexpr POINT kPosition = {192, 114};
    static constexpr SIZE kClientSize = {698, 446};

    HelpWindow();
    ~HelpWindow() override;

    void ShowGraph();

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    GdiHandle<HFONT> windowFont_;
    GdiHandle<HFONT> buttonFont_;
    GdiHandle<HBITMAP> picture_;
    FocusKeeper focus_;
};
