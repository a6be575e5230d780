#include "DialogWindow.h"

#include "Accessible.h"
#include "Dpi.h"
#include "StartUp.h"
#include "Text.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// The ID of the controls nothing addresses, as resource scripts give their labels.
constexpr int kUnaddressed = -1;
constexpr DWORD kButtonKind = 0x0F; // BS_TYPEMASK

bool IsPushButton(const DialogControl& control) {
    return std::wstring_view(control.ClassName) == L"BUTTON" &&
           ((control.Style & kButtonKind) == BS_PUSHBUTTON ||
            (control.Style & kButtonKind) == BS_DEFPUSHBUTTON);
}

bool IsDefaultButton(const DialogControl& control) {
    return IsPushButton(control) && (control.Style & kButtonKind) == BS_DEFPUSHBUTTON;
}

} // namespace

DialogControl DialogLabel(const std::string& text, Bounds at) {
    return {kUnaddressed, L"STATIC", text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, at};
}

DialogControl DialogEdit(int id, Bounds at) {
    return {id, L"EDIT", "", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, at, WS_EX_CLIENTEDGE};
}

DialogControl DialogChoice(int id, Bounds at) {
    // The height is the open list's; the closed box takes the font's.
    return {id, L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, at};
}

DialogControl DialogCheck(int id, const std::string& text, Bounds at) {
    return {id, L"BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, at};
}

DialogControl DialogList(int id, Bounds at) {
    return {id, L"LISTBOX",
            "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
            at, WS_EX_CLIENTEDGE};
}

DialogControl DialogButton(int id, const std::string& text, Bounds at, bool isDefault) {
    const DWORD kind = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    return {id, L"BUTTON", text, kind | WS_TABSTOP, at};
}

DialogWindow::DialogWindow(HWND owner, const std::wstring& className, const std::string& caption,
                           SIZE client, std::vector<DialogControl> controls)
    : owner_(owner), client_(client), controls_(std::move(controls)), dpi_(SystemDpi()),
      font_(MakeFontForDpi(11, false, dpi_)) {
    Create(className.c_str(), 0, GetSysColorBrush(COLOR_BTNFACE), kExStyle, Widen(caption).c_str(),
           kStyle,
           FrameForDpi({0, 0}, {ScaleToDpi(client.cx, dpi_), ScaleToDpi(client.cy, dpi_)}, kStyle,
                       kExStyle, false, dpi_),
           owner, 0);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    for (const DialogControl& control : controls_) {
        handles_.push_back(CreateControl(Handle(), control.Id, control.ClassName, control.Text,
                                         control.Style, ScaleToDpi(control.At, dpi_), font_.get(),
                                         control.ExStyle));
        if (IsDefaultButton(control))
            defaultId_ = control.Id;
    }
    CentreOverOwner();
}

void DialogWindow::FocusField(int id) {
    const HWND field = Control(id);
    if (field == nullptr)
        return;
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

DialogWindow::~DialogWindow() {
    if (Handle() != nullptr)
        DestroyWindow(Handle());
}

void DialogWindow::LayOut(UINT dpi) {
    GdiHandle<HFONT> previous = std::exchange(font_, MakeFontForDpi(11, false, dpi));
    dpi_ = dpi;
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    for (size_t i = 0; i < controls_.size(); ++i) {
        const Bounds bounds = ScaleToDpi(controls_[i].At, dpi);
        const HWND handle = handles_[i];
        SetWindowPos(handle, nullptr, bounds.Left, bounds.Top, bounds.Width, bounds.Height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    }
    LaidOut(dpi);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool DialogWindow::TranslateKey(const MSG& message) {
    // Enter on a control that is no push button presses the default button. Wine's dialog keys
    // would send IDOK, and asked the default by DM_GETDEFID they reach for the dialog data a
    // window of this class lacks.
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN || defaultId_ == 0)
        return false;
    const HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(Handle(), focus) ||
        (SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) &
         (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)))
        return false;
    const HWND button = Control(defaultId_);
    if (IsWindowEnabled(button))
        SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(defaultId_, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    return true;
}

void DialogWindow::RestoreDefaultButton() {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (IsPushButton(controls_[i]))
            SendMessageW(handles_[i], BM_SETSTYLE,
                         controls_[i].Id == defaultId_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void DialogWindow::SetSpokenControls(SpokenControl (*spoken)(int id)) {
    for (HWND child = GetWindow(Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const SpokenControl texts = spoken(GetDlgCtrlID(child));
        if (texts.Name.empty() && texts.Description.empty())
            continue;
        ChangeSpokenSource(child, [&](SpokenSource& source) {
            if (!texts.Name.empty())
                source.Name = [name = texts.Name] { return name; };
            source.Description = [description = texts.Description] { return description; };
            source.Picture = texts.Picture;
        });
    }
}

void DialogWindow::CentreOverOwner() {
    RECT owner = {}, frame = {};
    if (owner_ == nullptr || !GetWindowRect(owner_, &owner))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &owner, 0);
    GetWindowRect(Handle(), &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    // Its caption stays on the screen however far up the owner stands.
    const int left = std::max<int>(0, (owner.left + owner.right - width) / 2);
    const int top = std::max<int>(0, (owner.top + owner.bottom - height) / 2);
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Placed on a monitor of another DPI than the one it was made at.
    if (const UINT shown = WindowDpi(Handle()); shown != dpi_) {
        LayOut(shown);
        SizeForDpi(Handle(), client_, false, shown);
    }
}

void DialogWindow::RunModal() {
    modal_ = true;
    EnableWindow(owner_, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    MSG message = {};
    while (modal_) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        DispatchWindowMessage(message);
    }
    EndModal();
}

void DialogWindow::EndModal() {
    if (!modal_)
        return;
    modal_ = false;
    // At once, as a dialog ends: the owner is enabled before the dialog hides, so that it is the
    // window activated next.
    EnableWindow(owner_, TRUE);
    ShowWindow(Handle(), SW_HIDE);
}

LRESULT DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // A click or Tab into an edit or a list: Enter there is the default button's again.
        if (const auto control = reinterpret_cast<HWND>(lParam);
            control != nullptr && control == GetFocus() &&
            !(SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) &&
            (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == CBN_SETFOCUS))
            RestoreDefaultButton();
        Command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DPICHANGED:
        LayOut(NewDpi(wParam));
        MoveToSuggestedRect(Handle(), lParam);
        return 0;
    case WM_ACTIVATE:
        focus_.Activate(Handle(), wParam, GetNextDlgTabItem(Handle(), nullptr, FALSE));
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
