#include "HelpWindow.h"

#include "Artwork.h"
#include "Resources.h"
#include "Text.h"
#include "app/texts/Texts.h"

namespace {

namespace Id = Form2Controls;

constexpr wchar_t kClassName[] = L"TForm2";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

} // namespace

HelpWindow::HelpWindow()
    : windowFont_(MakeFont(11, false)), buttonFont_(MakeFont(16, true)),
      picture_(LoadArtworkBitmap(IDB_HELP)) {
    Create(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE), 0, Widen(kHelpCaption).c_str(), kStyle,
           FrameFor(kPosition, kClientSize, kStyle, 0), nullptr, 0);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
    SetWindowIcons(Handle(), IDI_ANIMAL);
    CreateControl(Handle(), Id::Image1, L"STATIC", "", SS_OWNERDRAW, {8, 8, 683, 385}, nullptr);
    CreateControl(Handle(), Id::Button1, L"BUTTON", kHelpCloseButton, BS_PUSHBUTTON | WS_TABSTOP,
                  {520, 400, 145, 41}, buttonFont_.get());
}

HelpWindow::~HelpWindow() {
    if (Handle() != nullptr)
        DestroyWindow(Handle());
}

void HelpWindow::ShowGraph() {
    ShowWindow(Handle(), SW_HIDE);
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Hiding cannot fail: it needs no guard. The keyboard's dialog handling in the message
        // loop turns Enter into IDOK and Escape into IDCANCEL: both close, as the button does.
        if ((LOWORD(wParam) == Id::Button1 && HIWORD(wParam) == BN_CLICKED) ||
            LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            ShowGraph();
        return 0;
    case WM_DRAWITEM:
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), picture_.get());
        return TRUE;
    case WM_ACTIVATE:
        focus_.Activate(Handle(), wParam, GetDlgItem(Handle(), Id::Button1));
        return 0;
    case WM_CLOSE:
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
