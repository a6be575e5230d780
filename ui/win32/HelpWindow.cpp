#include "HelpWindow.h"

#include "Dpi.h"
#include "Text.h"
#include "app/texts/Texts.h"

#include <utility>

namespace {

namespace Id = Form2Controls;

constexpr wchar_t kClassName[] = L"TForm2";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr Bounds kPicture = {8, 8, 683, 385};
constexpr Bounds kButton = {520, 400, 145, 41};

} // namespace

HelpWindow::HelpWindow() {
    const UINT dpi = SystemDpi();
    Create(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE), 0, Widen(kHelpCaption).c_str(), kStyle,
           LaidOutFrame(kPosition, kClientSize, kStyle, false, dpi), nullptr, 0);
    CreateControl(Handle(), Id::Image1, L"STATIC", "", SS_OWNERDRAW, kPicture, nullptr);
    CreateControl(Handle(), Id::Button1, L"BUTTON", kHelpCloseButton, BS_PUSHBUTTON | WS_TABSTOP,
                  kButton, nullptr);
    if (const UINT shown = WindowDpi(Handle()); shown != dpi)
        SizeForDpi(Handle(), kClientSize, false, shown);
    LayOut(WindowDpi(Handle()));
}

void HelpWindow::LayOut(UINT dpi) {
    GdiHandle<HFONT> windowFont = std::exchange(windowFont_, MakeFontForDpi(11, false, dpi));
    GdiHandle<HFONT> buttonFont = std::exchange(buttonFont_, MakeFontForDpi(16, true, dpi));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
    SetWindowIcons(Handle(), IDI_ANIMAL, dpi);
    picture_.Load(dpi);
    for (const auto& [id, laidOut] : {std::pair{Id::Image1, kPicture}, {Id::Button1, kButton}}) {
        const Bounds bounds = ScaleToDpi(laidOut, dpi);
        SetWindowPos(GetDlgItem(Handle(), id), nullptr, bounds.Left, bounds.Top, bounds.Width,
                     bounds.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageW(GetDlgItem(Handle(), Id::Button1), WM_SETFONT,
                 reinterpret_cast<WPARAM>(buttonFont_.get()), TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

HelpWindow::~HelpWindow() {
    if (Handle() != nullptr)
        DestroyWindow(Handle());
}

void HelpWindow::CloseButtonClicked() {
    ShowWindow(Handle(), SW_HIDE);
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Hiding cannot fail: it needs no guard. The keyboard's dialog handling in the message
        // loop turns Enter into IDOK and Escape into IDCANCEL: both close, as the button does.
        if ((LOWORD(wParam) == Id::Button1 && HIWORD(wParam) == BN_CLICKED) ||
            LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            CloseButtonClicked();
        return 0;
    case WM_DRAWITEM:
        picture_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DPICHANGED:
        LayOut(NewDpi(wParam));
        MoveToSuggestedRect(Handle(), lParam);
        return 0;
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
