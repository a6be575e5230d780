#include "Controls.h"

#include "Text.h"

#include <algorithm>
#include <commctrl.h>

GdiHandle<HFONT> MakeFont(int pixels, bool bold, const wchar_t* face) {
    // A negative height asks for the character height, without the internal leading.
    return GdiHandle<HFONT>(gdi_objects::Counted(CreateFontW(
        -pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face)));
}

HWND CreateControl(HWND parent, int id, const wchar_t* className, const std::string& text,
                   DWORD style, Bounds bounds, HFONT font, DWORD exStyle) {
    HWND control = CreateWindowExW(
        exStyle, className, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, bounds.Left,
        bounds.Top, bounds.Width, bounds.Height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void FocusKeeper::Activate(HWND window, WPARAM wParam, HWND first) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus))
            saved_ = focus;
        return;
    }
    if (HIWORD(wParam) != 0)
        return; // activated while minimised: nothing shows the focus
    HWND target = saved_ != nullptr && IsWindow(saved_) ? saved_ : first;
    while (target != nullptr && target != window &&
           !(IsWindowVisible(target) && IsWindowEnabled(target)))
        target = GetParent(target);
    SetFocus(target != nullptr && target != window ? target : first);
}

HWND AddHoverHint(HWND owner, HWND control, const std::string& text) {
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    SetHoverHint(tooltip, owner, control, text);
    return tooltip;
}

void SetHoverHint(HWND tooltip, HWND owner, HWND control, const std::string& text) {
    std::wstring hint = Widen(text);
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    TOOLINFOW known = tool;
    const bool added = SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&known));
    tool.lpszText = hint.data();
    SendMessageW(tooltip, added ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&tool));
}

TrackingTip::~TrackingTip() {
    if (window_ != nullptr && IsWindow(window_))
        DestroyWindow(window_);
}

void TrackingTip::Show(const std::string& text, POINT screen) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner_;
    if (window_ == nullptr) {
        window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  owner_, nullptr, GetModuleHandleW(nullptr), nullptr);
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        if (maxWidth_ > 0)
            SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, maxWidth_);
    }
    if (text != text_) {
        text_ = text;
        wide_ = Widen(text);
        tool.lpszText = wide_.data();
        SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // A tooltip placed by the program stands where it is put, off the screen too: one that would
    // cross the edge of its monitor's work area stands against the edge instead.
    const LRESULT bubble =
        SendMessageW(window_, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromPoint(screen, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        screen.x = std::max(work.left, std::min<LONG>(screen.x, work.right - LOWORD(bubble)));
        screen.y = std::max(work.top, std::min<LONG>(screen.y, work.bottom - HIWORD(bubble)));
    }
    SendMessageW(window_, TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
    SendMessageW(window_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void TrackingTip::Hide() {
    if (text_.empty())
        return;
    text_.clear();
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner_;
    SendMessageW(window_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

std::string ControlText(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void SetControlText(HWND control, const std::string& text) {
    SetWindowTextW(control, Widen(text).c_str());
}

SIZE TextSize(HWND window, HFONT font, const std::string& text) {
    const std::wstring wide = Widen(text);
    HDC dc = GetDC(window);
    SIZE size = {};
    {
        const SelectedObject selected(dc, font);
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    }
    ReleaseDC(window, dc);
    return size;
}

Bounds ChildBounds(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}
