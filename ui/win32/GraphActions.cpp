#include "GraphActions.h"

#include "Dpi.h"
#include "PopupMenu.h"
#include "Text.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

// The readout stands a little below and right of the pointer, as a tooltip does.
constexpr POINT kReadoutOffset = {16, 20};

} // namespace

GraphActions::GraphActions(HWND window, GraphForm& form) : window_(window), form_(form) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = window_;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // The readout names the kept curves on lines of their own.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
}

GraphActions::~GraphActions() {
    if (tooltip_ != nullptr && IsWindow(tooltip_))
        DestroyWindow(tooltip_);
}

bool GraphActions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        ShowReadout({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
    case WM_MOUSELEAVE:
        tracking_ = false;
        HideReadout();
        return true;
    case WM_CONTEXTMENU:
        HideReadout();
        ShowCommandMenu(window_, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, form_);
        return true;
    case WM_KEYDOWN:
        return RunCommandKey(form_, wParam);
    default:
        return false;
    }
}

void GraphActions::ShowReadout(POINT client) {
    if (!tracking_) {
        TRACKMOUSEEVENT leave{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window_, 0};
        tracking_ = TrackMouseEvent(&leave) != 0;
    }
    RECT area{};
    GetClientRect(window_, &area);
    // The chart fills the whole client area, as the paint scales it, in pixels at 96 DPI.
    const auto dpi = static_cast<int>(WindowDpi(window_));
    const auto chart = [dpi](LONG pixels) { return MulDiv(pixels, kLayoutDpi, dpi); };
    const auto readout =
        form_.Readout({0, 0, chart(area.right), chart(area.bottom)}, chart(client.x));
    if (!readout) {
        HideReadout();
        return;
    }
    const std::string& text = *readout;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    if (text != readout_) {
        readout_ = text;
        tooltipText_ = Widen(text);
        tool.lpszText = tooltipText_.data();
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    POINT screen = {client.x + kReadoutOffset.x, client.y + kReadoutOffset.y};
    ClientToScreen(window_, &screen);
    SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void GraphActions::HideReadout() {
    if (readout_.empty())
        return;
    readout_.clear();
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
