#include "SpreadProgressBox.h"

#include "Accessible.h"
#include "Text.h"
#include "app/spread/SpreadControls.h"
#include "app/spread/SpreadForm.h"
#include "app/texts/Texts.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr int kProgressSteps = 1000; // SpreadView::ShowProgress's permille
constexpr SIZE kClientSize = {320, 97};

std::vector<DialogControl> Layout() {
    return {DialogLabel(kSpreadProgressText, {12, 12, 296, 16}),
            {kSpreadProgressBar.Id, PROGRESS_CLASSW, "", 0, {12, 34, 296, 18}},
            DialogButton(kSpreadProgressCancel.Id, kCancelButton, {233, 62, 75, 23}, true)};
}

} // namespace

SpreadProgressBox::SpreadProgressBox(HWND owner, SpreadForm& form)
    : DialogWindow(owner, Widen(kSpreadProgressName), kSpreadCaption, kClientSize, Layout()),
      form_(form) {
    SendMessageW(Control(kSpreadProgressBar.Id), PBM_SETRANGE32, 0, kProgressSteps);
    SetSpokenControls(SpreadSpokenControl);
    ChangeSpokenSource(Control(kSpreadProgressBar.Id), [bar = Control(kSpreadProgressBar.Id)](
                                                           SpokenSource& source) {
        source.Value = [bar] {
            return SpokenProgress(static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)));
        };
    });
}

void SpreadProgressBox::ShowProgress(int permille) {
    SendMessageW(Control(kSpreadProgressBar.Id), PBM_SETPOS, static_cast<WPARAM>(permille), 0);
    if (IsWindowVisible(Handle()))
        return;
    CentreOverOwner();
    EnableWindow(Owner(), FALSE);
    ShowWindow(Handle(), SW_SHOW);
}

void SpreadProgressBox::CloseProgress() {
    if (!IsWindowVisible(Handle()))
        return;
    // The owner is enabled before the box hides, so that it is the window activated next.
    EnableWindow(Owner(), TRUE);
    ShowWindow(Handle(), SW_HIDE);
}

void SpreadProgressBox::StartPolling() {
    SetTimer(Handle(), kPollTimer, kPollMilliseconds, nullptr);
}

void SpreadProgressBox::StopPolling() {
    KillTimer(Handle(), kPollTimer);
}

void SpreadProgressBox::Command(int id, int notification) {
    // Escape too, and Enter on the only button.
    if (notification == BN_CLICKED &&
        (id == kSpreadProgressCancel.Id || id == IDCANCEL || id == IDOK))
        form_.CancelRun();
}

void SpreadProgressBox::Close() {
    form_.CancelRun();
}

LRESULT SpreadProgressBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kPollTimer) {
        form_.Poll();
        return 0;
    }
    return DialogWindow::HandleMessage(message, wParam, lParam);
}
