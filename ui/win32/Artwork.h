#pragma once

#include "WindowsApi.h"

// The pictures and icons built into the executable (Resources.h). Bitmaps are the caller's to
// delete; icons are shared and live as long as the program.
HBITMAP LoadArtworkBitmap(int id);
HICON LoadArtworkIcon(int id, int side);

// Gives a window its big and small icons.
void SetWindowIcons(HWND window, int iconId);

// Draws a picture control's bitmap unscaled at its top left, the rest in the button-face colour,
// as a WM_DRAWITEM of an owner-drawn static control asks.
void DrawPicture(const DRAWITEMSTRUCT& item, HBITMAP bitmap);
