#include "GraphActions.h"

#include "Accessible.h"
#include "Dpi.h"
#include "PopupMenu.h"
#include "Text.h"

#include <commctrl.h>
#include <optional>
#include <windowsx.h>

namespace {

// The readout stands a little below and right of the pointer, as a tooltip does.
constexpr POINT kReadoutOffset = {16, 20};

std::optional<MarkerStep> MarkerStepOf(WPARAM key) {
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0)
        return std::nullopt;
    switch (key) {
    case VK_LEFT:
        return MarkerStep::Previous;
    case VK_RIGHT:
        return MarkerStep::Next;
    case VK_PRIOR:
        return MarkerStep::TenBack;
    case VK_NEXT:
        return MarkerStep::TenOn;
    case VK_HOME:
        return MarkerStep::First;
    case VK_END:
        return MarkerStep::Last;
    default:
        return std::nullopt;
    }
}

} // namespace

GraphActions::GraphActions(HWND window, GraphPresenter& form)
    // The readout names the kept curves on lines of their own.
    : window_(window), presenter_(form), tip_(window, 600), description_(window) {
    // The window's own object answers the description too, where the system's annotation
    // service is missing or a stub (wine's).
    ChangeSpokenSource(window_, [this](SpokenSource& source) {
        source.Description = [this] { return description_.Text(); };
    });
}

GraphActions::~GraphActions() = default;

bool GraphActions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        // Windows sends a move without one when a window appears under the pointer (the marker's
        // tooltip): the pointer's readout takes the tooltip only when the pointer moves.
        const POINT client = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (client.x != pointer_.x || client.y != pointer_.y) {
            pointer_ = client;
            ShowReadout(client);
        }
        return true;
    }
    case WM_MOUSELEAVE:
        tracking_ = false;
        HideReadout();
        return true;
    case WM_CONTEXTMENU:
        HideReadout();
        ShowCommandMenu(window_, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, presenter_);
        return true;
    case WM_KEYDOWN:
        if (const auto step = MarkerStepOf(wParam)) {
            presenter_.MoveMarker(*step, ChartArea());
            return true;
        }
        return RunCommandKey(presenter_, wParam);
    default:
        return false;
    }
}

void GraphActions::ShowReadout(POINT client) {
    if (!tracking_) {
        TRACKMOUSEEVENT leave{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window_, 0};
        tracking_ = TrackMouseEvent(&leave) != 0;
    }
    const auto readout = presenter_.Readout(ChartArea(), ToChart(client.x));
    if (!readout) {
        HideReadout();
        return;
    }
    ShowTip(*readout, {client.x + kReadoutOffset.x, client.y + kReadoutOffset.y});
}

ClipRect GraphActions::ChartArea() const {
    // The chart fills the whole client area, as the paint scales it, in pixels at 96 DPI.
    RECT area{};
    GetClientRect(window_, &area);
    return {ToChart(area.left), ToChart(area.top), ToChart(area.right), ToChart(area.bottom)};
}

LONG GraphActions::ToChart(LONG pixels) const {
    return MulDiv(pixels, kLayoutDpi, static_cast<int>(WindowDpi(window_)));
}

LONG GraphActions::ToPixels(LONG chart) const {
    return MulDiv(chart, static_cast<int>(WindowDpi(window_)), kLayoutDpi);
}

void GraphActions::ShowMarkerReadout(const std::string& text, Point at) {
    if (GetCursorPos(&pointer_))
        ScreenToClient(window_, &pointer_);
    description_.Set(text);
    if (text.empty())
        HideReadout();
    else
        ShowTip(text,
                {ToPixels(at.X) + kReadoutOffset.x / 2, ToPixels(at.Y) + kReadoutOffset.y / 2});
}

void GraphActions::ShowTip(const std::string& text, POINT client) {
    POINT screen = client;
    ClientToScreen(window_, &screen);
    tip_.Show(text, screen);
}

void GraphActions::HideReadout() {
    tip_.Hide();
}
