#pragma once

#include "Controls.h"
#include "WindowsApi.h"

// Pixels per inch. The layouts give every length at 96 pixels per inch; a window shows them at
// its monitor's DPI (the program declares itself per-monitor DPI-aware in its manifest), and
// lays itself out again when Windows moves it to a monitor of another DPI (WM_DPICHANGED).
// Windows before 10 (1607) lack the per-monitor calls: there every window has the system's DPI.

inline constexpr UINT kLayoutDpi = 96;

// The DPI the window is shown at.
UINT WindowDpi(HWND window);
// The DPI of the system, which windows have until placed on a monitor.
UINT SystemDpi();

// A system metric (GetSystemMetrics) at `dpi`: the scroll bars of a window on a monitor of
// another DPI than the system's are drawn at that monitor's.
int MetricForDpi(int index, UINT dpi);

// A length laid out at 96 pixels per inch, at `dpi`, rounded to the nearest pixel.
int ScaleToDpi(int pixels, UINT dpi);
Bounds ScaleToDpi(Bounds bounds, UINT dpi);

// The windows' font at `dpi`: "MS Sans Serif" at 96, elsewhere "Microsoft Sans Serif", its
// outline twin, which draws every size sharp where the former has bitmaps of a few sizes only.
const wchar_t* FontFaceForDpi(UINT dpi);
// The face of the graph's and the histograms' texts at `dpi`: FontFaceForDpi's where it has the
// minus sign U+2212 that their titles and numbers write ("−3 дБ"), else Tahoma, which has it on
// every Windows and in wine; "MS Sans Serif" lacks it and would draw a box.
const wchar_t* ChartFontFace(UINT dpi);
// A font of the layout, `pixels` high at 96 DPI, made for `dpi`.
GdiHandle<HFONT> MakeFontForDpi(int pixels, bool bold, UINT dpi);

// A top-level window's frame at `dpi` for the client size given (already at that DPI), with its
// top-left corner at `position`; `menu`: the window has a menu bar, above the client area.
RECT FrameForDpi(POINT position, SIZE client, DWORD style, DWORD exStyle, bool menu, UINT dpi);
// The same for a window's layout: its position and client size at 96 DPI, both scaled.
RECT LaidOutFrame(POINT position, SIZE client, DWORD style, bool menu, UINT dpi);

// Sizes a top-level window for `layoutClient`, its client size at 96 DPI, shown at `dpi`; its
// top-left corner stays.
void SizeForDpi(HWND window, SIZE layoutClient, bool menu, UINT dpi);

// WM_DPICHANGED's new DPI, and moving the window to the rectangle Windows suggests with it.
UINT NewDpi(WPARAM wParam);
void MoveToSuggestedRect(HWND window, LPARAM lParam);
