#include "ProgressBox.h"

#include "Accessible.h"
#include "Text.h"
#include "app/presenters/BackgroundRun.h"
#include "app/texts/Texts.h"

#include <commctrl.h>
#include <utility>

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr int kProgressSteps = 1000; // ProgressView::ShowProgress's permille
constexpr SIZE kClientSize = {320, 97};

std::vector<DialogControl> Layout(const ProgressBoxParts& parts) {
    return {DialogLabel(parts.Text, {12, 12, 296, 16}),
            {parts.Bar.Id, PROGRESS_CLASSW, "", 0, {12, 34, 296, 18}},
            DialogButton(parts.Cancel.Id, kCancelButton, {233, 62, 75, 23}, true)};
}

} // namespace

ProgressBox::ProgressBox(HWND owner, ProgressBoxParts parts)
    : DialogWindow(owner, Widen(parts.ObjectName), parts.Caption, kClientSize, Layout(parts)),
      parts_(std::move(parts)) {
    const HWND bar = Control(parts_.Bar.Id);
    SendMessageW(bar, PBM_SETRANGE32, 0, kProgressSteps);
    SetSpokenControls(parts_.Spoken);
    ChangeSpokenSource(bar, [bar](SpokenSource& source) {
        source.Value = [bar] {
            return SpokenProgress(static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)));
        };
    });
}

void ProgressBox::ShowProgress(int permille) {
    SendMessageW(Control(parts_.Bar.Id), PBM_SETPOS, static_cast<WPARAM>(permille), 0);
    if (IsWindowVisible(Handle()))
        return;
    CentreOverOwner();
    EnableWindow(Owner(), FALSE);
    ShowWindow(Handle(), SW_SHOW);
}

void ProgressBox::CloseProgress() {
    if (!IsWindowVisible(Handle()))
        return;
    // The owner is enabled before the box hides, so that it is the window activated next.
    EnableWindow(Owner(), TRUE);
    ShowWindow(Handle(), SW_HIDE);
}

void ProgressBox::StartPolling() {
    SetTimer(Handle(), kPollTimer, kPollMilliseconds, nullptr);
}

void ProgressBox::StopPolling() {
    KillTimer(Handle(), kPollTimer);
}

void ProgressBox::Command(int id, int notification) {
    // Escape too, and Enter on the only button.
    if (notification == BN_CLICKED && (id == parts_.Cancel.Id || id == IDCANCEL || id == IDOK))
        parts_.CancelRun();
}

void ProgressBox::Close() {
    parts_.CancelRun();
}

LRESULT ProgressBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kPollTimer) {
        parts_.Poll();
        return 0;
    }
    return DialogWindow::HandleMessage(message, wParam, lParam);
}
