#pragma once

#include "WindowsApi.h"

// A window of a class of our own whose messages go to a C++ object. The object lives at least as
// long as its window: its destructor destroys the window if it still exists.
class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return handle_; }

    // The object behind a window of ours; nullptr for any other window (a control, a box).
    static Window* Of(HWND window);
    // Offered every key message of the window and its controls before they are dispatched;
    // true when the window took it (a key of its menu bar).
    virtual bool TranslateKey(const MSG& /*message*/) { return false; }

  protected:
    Window() = default;

    // Registers the class on first use (cursor arrow, `background` painted on erase) and creates
    // the window with this object as its handler.
    void Create(const wchar_t* className, UINT classStyle, HBRUSH background, DWORD exStyle,
                const wchar_t* text, DWORD style, RECT bounds, HWND parent, int id);

    // Everything not handled goes to DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};
