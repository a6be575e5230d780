#include "SpreadResultsBox.h"

#include "Dpi.h"
#include "Text.h"
#include "app/spread/SpreadControls.h"
#include "app/spread/SpreadPresenter.h"
#include "app/texts/Texts.h"

#include <commctrl.h>
#include <utility>

namespace {

constexpr UINT_PTR kReadOnlyTextSubclass = 0x54455854; // "TEXT"

// The read-only text keeps its arrows and selection, but Tab goes on to the buttons and Enter to
// the default one, as in a single-line field: a multi-line edit would take both for itself.
LRESULT CALLBACK ReadOnlyTextProcedure(HWND text, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == WM_GETDLGCODE)
        return DefSubclassProc(text, message, wParam, lParam) &
               ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(text, &ReadOnlyTextProcedure, kReadOnlyTextSubclass);
    return DefSubclassProc(text, message, wParam, lParam);
}

constexpr SIZE kClientSize = {704, 397};
constexpr int kButtonTop = 364, kButtonHeight = 25;

std::vector<DialogControl> Layout() {
    constexpr DWORD text = ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP;
    // The histograms are windows of their own (HistogramControl), placed by LaidOut.
    return {
        {kSpreadResultsText.Id, L"EDIT", "", text, {8, 8, 360, 348}, WS_EX_CLIENTEDGE},
        DialogButton(kCopySpreadButton.Id, kCopyResultsButton,
                     {376, kButtonTop, 100, kButtonHeight}),
        DialogButton(kSaveSpreadButton.Id, kSaveBandButton, {482, kButtonTop, 126, kButtonHeight}),
        DialogButton(kCloseSpreadButton.Id, kCloseResultsButton,
                     {614, kButtonTop, 82, kButtonHeight}, true)};
}

// An edit control breaks lines at "\r\n" only.
std::string WithWindowsLineBreaks(const std::string& text) {
    std::string broken;
    broken.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            broken += '\r';
        broken += c;
    }
    return broken;
}

} // namespace

SpreadResultsBox::SpreadResultsBox(HWND owner, SpreadPresenter& form)
    : DialogWindow(owner, Widen(kSpreadResultsName), kSpreadResultsCaption, kClientSize, Layout()),
      presenter_(form), upperEdge_(Handle(), ScaleToDpi(kUpperEdgeHistogramPlace, Dpi()).Rect(),
                                   SpreadHistogramKind::UpperEdge, nullptr, kUpperEdgeHistogram.Id),
      peakGain_(Handle(), ScaleToDpi(kPeakGainHistogramPlace, Dpi()).Rect(),
                SpreadHistogramKind::PeakGain, nullptr, kPeakGainHistogram.Id) {
    SetWindowSubclass(Control(kSpreadResultsText.Id), &ReadOnlyTextProcedure, kReadOnlyTextSubclass,
                      0);
    SetSpokenControls(SpreadSpokenControl);
}

void SpreadResultsBox::LaidOut(UINT dpi) {
    for (const auto& [histogram, place] : {std::pair{&upperEdge_, kUpperEdgeHistogramPlace},
                                           std::pair{&peakGain_, kPeakGainHistogramPlace}}) {
        const Bounds at = ScaleToDpi(place, dpi);
        SetWindowPos(histogram->Handle(), nullptr, at.Left, at.Top, at.Width, at.Height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SpreadResultsBox::ShowResults(const std::string& text,
                                   std::shared_ptr<const SpreadResult> result) {
    upperEdge_.Show(result);
    peakGain_.Show(std::move(result));
    SetControlText(Control(kSpreadResultsText.Id), WithWindowsLineBreaks(text));
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void SpreadResultsBox::Close() {
    if (!IsWindowVisible(Handle()))
        return;
    DialogWindow::Close();
    presenter_.ResultsClosed();
}

void SpreadResultsBox::Command(int id, int notification) {
    if (notification != BN_CLICKED)
        return;
    if (id == kCopySpreadButton.Id)
        presenter_.Guarded([this] { presenter_.CopyResults(); });
    else if (id == kSaveSpreadButton.Id)
        presenter_.SaveBand();
    else if (id == kCloseSpreadButton.Id || id == IDOK || id == IDCANCEL)
        Close();
}
