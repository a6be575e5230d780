#include "UnFGr.h"

#include "Artwork.h"
#include "GdiSurface.h"
#include "Painting.h"
#include "Resources.h"
#include "Text.h"
#include "app/EventGuard.h"

#include <exception>

namespace {

constexpr wchar_t kClassName[] = L"TForm3";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr const char* kCaption = "график";

} // namespace

TForm3::TForm3(const CalcState& state, MessageBoxes& boxes)
    : boxes_(boxes), picture_(state), font_(MakeFont(11, false)) {
    // The chart is scaled to the whole client area: a resized window is drawn anew.
    Create(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr, 0, Widen(kCaption).c_str(), kStyle,
           FrameFor(kPosition, kClientSize, kStyle, 0), nullptr, 0);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SetWindowIcons(Handle(), IDI_ANIMAL);
    actions_ = std::make_unique<GraphActions>(Handle(), state, boxes_);
    RunGuarded(boxes_, [this] { FormCreate(); });
}

TForm3::~TForm3() {
    if (Handle() != nullptr)
        DestroyWindow(Handle());
}

void TForm3::FormCreate() {
    background_.reset(CreateSolidBrush(kSilver));
}

void TForm3::CalcStateChanged() {
    picture_.Rearm();
    if (IsWindowVisible(Handle()))
        InvalidateRect(Handle(), nullptr, FALSE);
}

void TForm3::FormPaint(HDC dc) {
    RECT client = {};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, background_.get());
    const SelectedObject font(dc, font_.get());
    // The chart is always scaled to the whole client area, so a partial repaint draws the same
    // picture as a full one.
    GdiSurface surface(dc, client, kSilver);
    picture_.Paint(surface, client.right + kFrame.cx, client.bottom + kFrame.cy);
}

template <class Paint> void TForm3::GuardedPaint(Paint paint) {
    std::exception_ptr error;
    paint([&](HDC dc) {
        try {
            FormPaint(dc);
        } catch (...) {
            error = std::current_exception();
        }
    });
    if (error)
        RunGuarded(boxes_, [&] { std::rethrow_exception(error); });
}

LRESULT TForm3::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (actions_ && actions_->HandleMessage(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_PAINT:
        GuardedPaint([this](auto draw) { PaintBuffered(Handle(), draw); });
        return 0;
    case WM_PRINTCLIENT:
        GuardedPaint([wParam](auto draw) { draw(reinterpret_cast<HDC>(wParam)); });
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint fills the background itself
    case WM_CLOSE:
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
