#include "SpreadResultsBox.h"

#include "Text.h"
#include "app/spread/SpreadControls.h"
#include "app/spread/SpreadForm.h"
#include "app/texts/Texts.h"

#include <utility>

namespace {

constexpr SIZE kClientSize = {704, 397};
constexpr int kButtonTop = 364, kButtonHeight = 25;

std::vector<DialogControl> Layout() {
    constexpr DWORD text = ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP;
    // The histograms' places, framed until HistogramControl (ui/win32/HistogramControl, drawing
    // result_'s upper edges and peak gains) takes them with the same IDs.
    constexpr DWORD place = SS_ETCHEDFRAME;
    return {
        {kSpreadResultsText.Id, L"EDIT", "", text, {8, 8, 360, 348}, WS_EX_CLIENTEDGE},
        {kUpperEdgeHistogram.Id, L"STATIC", "", place, SpreadResultsBox::kUpperEdgeHistogramPlace},
        {kPeakGainHistogram.Id, L"STATIC", "", place, SpreadResultsBox::kPeakGainHistogramPlace},
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

SpreadResultsBox::SpreadResultsBox(HWND owner, SpreadForm& form)
    : DialogWindow(owner, Widen(kSpreadResultsName), kSpreadResultsCaption, kClientSize, Layout()),
      form_(form) {}

void SpreadResultsBox::ShowResults(const std::string& text,
                                   std::shared_ptr<const SpreadResult> result) {
    result_ = std::move(result);
    SetControlText(Control(kSpreadResultsText.Id), WithWindowsLineBreaks(text));
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void SpreadResultsBox::Command(int id, int notification) {
    if (notification != BN_CLICKED)
        return;
    if (id == kCopySpreadButton.Id)
        form_.Guarded([this] { form_.CopyResults(); });
    else if (id == kSaveSpreadButton.Id)
        form_.SaveBand();
    else if (id == kCloseSpreadButton.Id || id == IDOK || id == IDCANCEL)
        Close();
}
