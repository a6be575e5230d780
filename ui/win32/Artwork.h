#pragma once

#include "Controls.h"
#include "WindowsApi.h"

// The pictures and icons built into the executable (Resources.h), each drawn from its SVG for
// 100, 125, 150 and 200 % of 96 pixels per inch, so that they stay sharp at the usual scales.

// Gives a window its big and small icons, of the sizes for `dpi`, in place of those it had, and
// its class the icons of the system's sizes.
void SetWindowIcons(HWND window, int iconId, UINT dpi);

// A picture of a picture control: IDB_CIRCUIT or IDB_HELP, as drawn for one DPI.
class ArtworkPicture {
  public:
    explicit ArtworkPicture(int id) : id_(id) {}

    // Takes the copy drawn for the nearest scale at or above `dpi`'s, or the largest.
    void Load(UINT dpi);
    // Draws the picture at its top left, at its size for the DPI (smoothly shrunk or grown from
    // the copy where no copy has that size), the rest in the button-face colour, as a WM_DRAWITEM
    // of an owner-drawn static control asks.
    void Draw(const DRAWITEMSTRUCT& item) const;

  private:
    int id_;
    SIZE size_ = {}; // px, at the DPI
    GdiHandle<HBITMAP> bitmap_;
};
