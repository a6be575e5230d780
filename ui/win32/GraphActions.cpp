#include "GraphActions.h"

#include "Clipboard.h"
#include "PngPicture.h"
#include "PopupMenu.h"
#include "FileDialog.h"
#include "Text.h"
#include "app/CharacteristicPoints.h"
#include "app/EventGuard.h"
#include "app/ExportTexts.h"
#include "app/GraphReadout.h"
#include "app/SafeFile.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

// The readout stands a little below and right of the pointer, as a tooltip does.
constexpr POINT kReadoutOffset = {16, 20};

} // namespace

GraphActions::GraphActions(HWND window, const CalcState& state, MessageBoxes& boxes)
    : window_(window), state_(state), boxes_(boxes), chooser_(&SaveDialog()) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = window_;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
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
        ContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
    case WM_KEYDOWN:
        if (GetKeyState(VK_CONTROL) < 0 && (wParam == 'C' || wParam == VK_INSERT)) {
            RunGuarded(boxes_, [this] { CopyPicture(); });
            return true;
        }
        if (GetKeyState(VK_CONTROL) < 0 && wParam == 'S') {
            RunGuarded(boxes_, [this] { SavePicture(); });
            return true;
        }
        return false;
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
    const auto point =
        PointUnderPointer(state_, {area.left, area.top, area.right, area.bottom}, client.x);
    if (!point) {
        HideReadout();
        return;
    }
    const std::string text = ReadoutText(*point);
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

void GraphActions::ContextMenu(POINT screen) {
    PopupMenu menu;
    menu.Add(kCopyPictureCommand, "Ctrl+C", true, [this] { CopyPicture(); });
    menu.Add(kSavePictureCommand, "Ctrl+S", true, [this] { SavePicture(); });
    menu.Add(kCharacteristicPointsCommand, "", ComputedRows(state_) > 0,
             [this] { ShowCharacteristicPoints(); });
    menu.Show(window_, screen, boxes_);
}

HBITMAP GraphActions::Picture() const {
    RECT client{};
    GetClientRect(window_, &client);
    HDC screen = GetDC(window_);
    HBITMAP picture = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, picture);
    SendMessageW(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(window_, screen);
    return picture;
}

void GraphActions::CopyPicture() {
    HBITMAP picture = Picture();
    PutPictureOnClipboard(window_, picture);
    DeleteObject(picture);
}

void GraphActions::SavePicture() {
    const std::filesystem::path path = chooser_->SaveFileName(
        window_, kSavePictureCaption, kPngFilter, kPngExtension, kSuggestedPictureName);
    if (path.empty())
        return;
    HBITMAP picture = Picture();
    const std::string png = PngBytes(picture);
    DeleteObject(picture);
    const std::string error =
        png.empty() ? std::string("Не удалось сохранить рисунок.")
                    : WriteFileSafely(path, [&](std::ostream& out) {
                          out.write(png.data(), static_cast<std::streamsize>(png.size()));
                      });
    if (!error.empty())
        boxes_.ShowError(error);
}

void GraphActions::ShowCharacteristicPoints() {
    if (const auto points = FindCharacteristicPoints(state_))
        boxes_.ShowMessage(CharacteristicPointsText(*points));
}
