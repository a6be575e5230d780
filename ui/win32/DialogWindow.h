#pragma once

#include "Controls.h"
#include "Window.h"
#include "app/texts/AccessibleTexts.h"

#include <string>
#include <vector>

// A control of a dialog's layout: its class, text, style and place in client pixels at 96 DPI.
struct DialogControl {
    int Id;
    const wchar_t* ClassName;
    std::string Text;
    DWORD Style;
    Bounds At;
    DWORD ExStyle = 0;
};

// The controls a dialog is made of. A label is not addressed by automation: it has no ID of its
// own.
DialogControl DialogLabel(const std::string& text, Bounds at);
DialogControl DialogEdit(int id, Bounds at);
// A drop-down list to choose from.
DialogControl DialogChoice(int id, Bounds at);
// A check box with its text on its right.
DialogControl DialogCheck(int id, const std::string& text, Bounds at);
// A list of lines to choose one from, scrolled both ways.
DialogControl DialogList(int id, Bounds at);
// The default button looks so; Enter presses it wherever the focus is but on another button.
DialogControl DialogButton(int id, const std::string& text, Bounds at, bool isDefault = false);

// A small window of the program that behaves as a dialog: owned by another window and centred
// over it, its controls made in the layout's order (the tab order; a label just before its edit
// names the edit for screen readers), shown at its monitor's DPI in the program's font and laid
// out again when that changes. The message loop's IsDialogMessage gives it Tab, Enter and Escape
// (IDCANCEL); Enter presses the focused button, or else the layout's default button (IDOK where
// there is none); the focus comes back to where it was when the window is activated again.
class DialogWindow : public Window {
  public:
    ~DialogWindow() override;

    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    // Puts the focus on the control `id`, an edit's text selected, as after a refusal's box.
    void FocusField(int id);
    UINT Dpi() const { return dpi_; }

  protected:
    // Created hidden over `owner`, with `client` its client size at 96 DPI; `className` is the
    // window's object name.
    DialogWindow(HWND owner, const std::wstring& className, const std::string& caption, SIZE client,
                 std::vector<DialogControl> controls);

    HWND Owner() const { return owner_; }
    // Places the window centred over its owner.
    void CentreOverOwner();
    // Gives each child window with an ID what a reader says of it, `spoken(id)`; a name left
    // empty keeps the control's own.
    void SetSpokenControls(SpokenControl (*spoken)(int id));
    // Shows the window and runs the thread's messages, its owner disabled, until EndModal; a
    // quit message ends it too and is passed on to the program's loop.
    void RunModal();
    // Hides the window and lets RunModal return once the message on hand is handled.
    void EndModal();

    // A control's notification (WM_COMMAND), Enter as IDOK and Escape as IDCANCEL among them.
    virtual void Command(int /*id*/, int /*notification*/) {}
    // The close box.
    virtual void Close() { ShowWindow(Handle(), SW_HIDE); }
    // The layout's controls have been placed for `dpi` (not while the window is being made):
    // windows the layout does not make place theirs.
    virtual void LaidOut(UINT /*dpi*/) {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool TranslateKey(const MSG& message) override;

  private:
    // Places every control and sets the font for `dpi`.
    void LayOut(UINT dpi);
    // The focus has gone to a control that is no button: the layout's default button looks so
    // again, which the dialog keys gave to the button that had the focus.
    void RestoreDefaultButton();

    HWND owner_;
    SIZE client_;
    std::vector<DialogControl> controls_;
    std::vector<HWND> handles_; // controls_' windows
    int defaultId_ = 0;         // the layout's default button; 0 for none
    UINT dpi_;
    GdiHandle<HFONT> font_;
    FocusKeeper focus_;
    bool modal_ = false;
};
