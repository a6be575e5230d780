#pragma once

#include "GdiObjects.h"
#include "WindowsApi.h"

#include <memory>
#include <string>
#include <type_traits>

// Small pieces every window of the program builds with: GDI objects that delete themselves,
// fonts by pixel height, child controls at laid-out positions, texts in UTF-8.

struct GdiDeleter {
    void operator()(void* object) const { gdi_objects::Delete(static_cast<HGDIOBJ>(object)); }
};
template <class Handle>
using GdiHandle = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

// An object selected into a device context for as long as this lives.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// "MS Sans Serif" (or `face`) with a character height of `pixels` (8 pt is 11 px at 96 pixels per
// inch), with the Cyrillic character set so that the Russian texts have their letters on every
// system.
GdiHandle<HFONT> MakeFont(int pixels, bool bold, const wchar_t* face = L"MS Sans Serif");

// Left, top, width, height in client pixels, as the layouts give them.
struct Bounds {
    int Left;
    int Top;
    int Width;
    int Height;
    RECT Rect() const { return {Left, Top, Left + Width, Top + Height}; }
};

// A child control of a standard class, visible, in `font`.
HWND CreateControl(HWND parent, int id, const wchar_t* className, const std::string& text,
                   DWORD style, Bounds bounds, HFONT font, DWORD exStyle = 0);

// Keeps a window's keyboard focus across deactivation, as dialogs do: the control that had it
// when the window was deactivated gets it back when the window is activated again (or, if that
// control is gone, hidden or disabled, the nearest container of it that can take it); `first`
// takes it the first time.
class FocusKeeper {
  public:
    // Answers WM_ACTIVATE of `window`.
    void Activate(HWND window, WPARAM wParam, HWND first);

  private:
    HWND saved_ = nullptr;
};

// A tooltip that shows `text` while the pointer rests on `control`; owned by `owner`.
HWND AddHoverHint(HWND owner, HWND control, const std::string& text);
// The same for another control of the owner, on a tooltip AddHoverHint made; the text replaces
// the control's hint of before.
void SetHoverHint(HWND tooltip, HWND owner, HWND control, const std::string& text);

// A tooltip the program places: shown with a text at a point of the screen, kept on its monitor,
// until hidden, as the graph's readout and a cut cell's whole text are. Owned by `owner`, created
// when first shown.
class TrackingTip {
  public:
    explicit TrackingTip(HWND owner, int maxWidth = 0) : owner_(owner), maxWidth_(maxWidth) {}
    ~TrackingTip();
    TrackingTip(const TrackingTip&) = delete;
    TrackingTip& operator=(const TrackingTip&) = delete;

    // A text of several lines wraps at `maxWidth` pixels (0: no wrapping).
    void Show(const std::string& text, POINT screen);
    void Hide();
    // The text shown now, "" when hidden.
    const std::string& Text() const { return text_; }

  private:
    HWND owner_;
    int maxWidth_;
    HWND window_ = nullptr;
    std::wstring wide_; // the tooltip reads its text from here
    std::string text_;
};

// A control's text in UTF-8, and setting it.
std::string ControlText(HWND control);
void SetControlText(HWND control, const std::string& text);

// The width and height of `text` drawn in `font`.
SIZE TextSize(HWND window, HFONT font, const std::string& text);

// The control's position and size in its parent's client coordinates.
Bounds ChildBounds(HWND control);
