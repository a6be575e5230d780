#pragma once

#include "Artwork.h"
#include "Controls.h"
#include "Resources.h"
#include "Window.h"

// Control identifiers of the help window.
namespace Form2Controls {
enum : int { Image1 = 200, Button1 };
}

// The help window "Справка": the picture that explains the amplifier model and the units of
// entry, and a button that hides it. Created hidden; the main window's "??" shows it. Laid out at
// its monitor's DPI.
class HelpWindow final : public Window {
  public:
    static constexpr POINT kPosition = {192, 114};
    static constexpr SIZE kClientSize = {698, 446}; // at 96 DPI

    HelpWindow();
    ~HelpWindow() override;

    void CloseButtonClicked();

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Fonts, picture and controls for `dpi`.
    void LayOut(UINT dpi);

    GdiHandle<HFONT> windowFont_;
    GdiHandle<HFONT> buttonFont_;
    ArtworkPicture picture_{IDB_HELP};
    FocusKeeper focus_;
};
