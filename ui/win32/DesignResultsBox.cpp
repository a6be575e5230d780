#include "DesignResultsBox.h"

#include "Text.h"
#include "app/design/DesignControls.h"
#include "app/design/DesignPresenter.h"
#include "app/texts/Texts.h"

#include <algorithm>

namespace {

constexpr SIZE kClientSize = {760, 330};
constexpr int kButtonTop = 296, kButtonHeight = 25;

std::vector<DialogControl> Layout() {
    return {{kDesignSummary.Id, L"STATIC", "", SS_LEFT | SS_NOPREFIX, {8, 8, 744, 32}},
            DialogLabel(kDesignListLegend, {8, 44, 744, 16}),
            DialogList(kCandidateList.Id, {8, 64, 744, 222}),
            DialogButton(kApplyDesignButton.Id, kApplyButton, {482, kButtonTop, 90, kButtonHeight},
                         true),
            DialogButton(kCopyDesignButton.Id, kCopyResultsButton,
                         {578, kButtonTop, 90, kButtonHeight}),
            DialogButton(kCloseDesignButton.Id, kCloseResultsButton,
                         {674, kButtonTop, 78, kButtonHeight})};
}

} // namespace

DesignResultsBox::DesignResultsBox(HWND owner, DesignPresenter& form)
    : DialogWindow(owner, Widen(kDesignResultsName), kDesignResultsCaption, kClientSize, Layout()),
      presenter_(form) {
    SetSpokenControls(DesignSpokenControl);
}

void DesignResultsBox::Run(const std::string& summary, const std::vector<std::string>& lines) {
    SetControlText(Control(kDesignSummary.Id), summary);
    const HWND list = Control(kCandidateList.Id);
    for (const std::string& line : lines)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    EnableWindow(Control(kApplyDesignButton.Id), !lines.empty());
    FitScrollWidth();
    SetFocus(list);
    RunModal();
}

void DesignResultsBox::LaidOut(UINT /*dpi*/) {
    FitScrollWidth();
}

void DesignResultsBox::FitScrollWidth() {
    const HWND list = Control(kCandidateList.Id);
    const HDC dc = GetDC(list);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring line(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        SIZE size = {};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
        widest = std::max(widest, size.cx);
    }
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

void DesignResultsBox::Command(int id, int notification) {
    const bool apply =
        (notification == BN_CLICKED && (id == kApplyDesignButton.Id || id == IDOK)) ||
        (id == kCandidateList.Id && notification == LBN_DBLCLK);
    if (apply) {
        const LRESULT selected = SendMessageW(Control(kCandidateList.Id), LB_GETCURSEL, 0, 0);
        EndModal();
        if (selected != LB_ERR)
            presenter_.Apply(static_cast<size_t>(selected));
    } else if (notification == BN_CLICKED && id == kCopyDesignButton.Id) {
        presenter_.Guarded([this] { presenter_.CopyList(); });
    } else if (notification == BN_CLICKED && (id == kCloseDesignButton.Id || id == IDCANCEL)) {
        EndModal();
    }
}
