#include "GraphActions.h"

#include "PopupMenu.h"
#include "Text.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

// The readout stands a little below and right of the pointer, as a tooltip does.
constexpr POINT kReadoutOffset = {16, 20};

} // namespace

GraphActions::GraphActions(HWND window, GraphForm& form) : window_(window), form_(form) {}

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
    // The chart fills the whole client area, as the paint scales it.
    const auto readout = form_.Readout({area.left, area.top, area.right, area.bottom}, client.x);
    if (!readout) {
        HideReadout();
        return;
    }
    POINT screen = {client.x + kReadoutOffset.x, client.y + kReadoutOffset.y};
    ClientToScreen(window_, &screen);
    readout_.Show(*readout, screen);
}

void GraphActions::HideReadout() {
    readout_.Hide();
}
