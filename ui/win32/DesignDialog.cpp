#include "DesignDialog.h"

#include "Text.h"
#include "app/design/DesignControls.h"
#include "app/design/DesignPresenter.h"
#include "app/texts/Texts.h"

namespace {

// The layout at 96 DPI: the parts in rows on the left under their headings, the series and under
// their heading the requirements on the right, the note and the buttons along the bottom.
constexpr int kRowPitch = 24;
constexpr int kEditHeight = 21;
constexpr int kLabelHeight = 16;
constexpr int kLabelDrop = 3; // a label's text on the line of its edit's
constexpr int kPartsTop = 30;
constexpr int kCheckLeft = 12, kCheckWidth = 92;
constexpr int kFromLeft = 108, kToLeft = 178, kRangeWidth = 64;
constexpr int kRightLabelLeft = 262, kRightLabelWidth = 180;
constexpr int kRightLeft = 446, kRightWidth = 80;
constexpr int kRequirementsHeadingTop = 86, kRequirementsTop = 108;
constexpr int kNoteTop = kPartsTop + 10 * kRowPitch + 6;
constexpr int kButtonTop = kNoteTop + 26, kButtonWidth = 75, kButtonHeight = 23;
constexpr SIZE kClientSize = {kRightLeft + kRightWidth + 12, kButtonTop + kButtonHeight + 12};

void AddRow(std::vector<DialogControl>& controls, const std::string& label, int top,
            DialogControl control) {
    controls.push_back(
        DialogLabel(label, {kRightLabelLeft, top + kLabelDrop, kRightLabelWidth, kLabelHeight}));
    control.At.Top = top;
    controls.push_back(std::move(control));
}

std::vector<DialogControl> Layout() {
    std::vector<DialogControl> controls;
    controls.push_back(
        DialogLabel(kDesignPartsHeading, {kCheckLeft, 10, kCheckWidth, kLabelHeight}));
    controls.push_back(DialogLabel(kRangeFromHeading, {kFromLeft, 10, kRangeWidth, kLabelHeight}));
    controls.push_back(DialogLabel(kRangeToHeading, {kToLeft, 10, kRangeWidth, kLabelHeight}));
    for (int i = 0; i < static_cast<int>(kDesignParts); ++i) {
        const int top = kPartsTop + i * kRowPitch;
        controls.push_back(DialogCheck(kFirstPartCheckId + i,
                                       kParameterNames[static_cast<size_t>(i)],
                                       {kCheckLeft, top, kCheckWidth, kEditHeight}));
        controls.push_back(
            DialogEdit(kFirstRangeFromId + i, {kFromLeft, top, kRangeWidth, kEditHeight}));
        controls.push_back(
            DialogEdit(kFirstRangeToId + i, {kToLeft, top, kRangeWidth, kEditHeight}));
    }
    AddRow(controls, kResistorSeriesLabel, kPartsTop,
           DialogChoice(kResistorSeriesChoice.Id, {kRightLeft, 0, kRightWidth, 120}));
    AddRow(controls, kCapacitorSeriesLabel, kPartsTop + kRowPitch,
           DialogChoice(kCapacitorSeriesChoice.Id, {kRightLeft, 0, kRightWidth, 120}));
    controls.push_back(
        DialogLabel(kRequirementsHeading, {kRightLabelLeft, kRequirementsHeadingTop,
                                           kClientSize.cx - 12 - kRightLabelLeft, kLabelHeight}));
    for (int i = 0; i < kSpreadLimits; ++i)
        AddRow(controls, kLimitLabels[static_cast<size_t>(i)], kRequirementsTop + i * kRowPitch,
               DialogEdit(kFirstRequirementId + i, {kRightLeft, 0, kRightWidth, kEditHeight}));
    controls.push_back(DialogLabel(kDesignTolerancesNote,
                                   {kCheckLeft, kNoteTop, kClientSize.cx - 24, kLabelHeight}));
    const int cancelLeft = kClientSize.cx - 12 - kButtonWidth;
    controls.push_back(DialogButton(
        kDesignOk.Id, kOkButton,
        {cancelLeft - 6 - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight}, true));
    controls.push_back(DialogButton(kDesignCancel.Id, kCancelButton,
                                    {cancelLeft, kButtonTop, kButtonWidth, kButtonHeight}));
    return controls;
}

template <size_t N> void FillSeries(HWND box, const std::array<StandardSeries, N>& series) {
    for (const StandardSeries s : series)
        SendMessageW(box, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Widen(std::string(SeriesName(s))).c_str()));
}

} // namespace

DesignDialog::DesignDialog(HWND owner, DesignPresenter& form)
    : DialogWindow(owner, Widen(kDesignDialogName), kDesignCaption, kClientSize, Layout()),
      presenter_(form) {
    FillSeries(Control(kResistorSeriesChoice.Id), kResistorSeriesChoices);
    FillSeries(Control(kCapacitorSeriesChoice.Id), kCapacitorSeriesChoices);
    SetSpokenControls(DesignSpokenControl);
}

void DesignDialog::Run(const DesignFields& fields) {
    ShowFields(fields);
    RunModal();
}

void DesignDialog::ShowFields(const DesignFields& fields) {
    for (int i = 0; i < kSpreadLimits; ++i)
        SetControlText(Control(kFirstRequirementId + i),
                       fields.Requirements[static_cast<size_t>(i)]);
    for (int i = 0; i < static_cast<int>(kDesignParts); ++i) {
        const auto part = static_cast<size_t>(i);
        SendMessageW(Control(kFirstPartCheckId + i), BM_SETCHECK,
                     fields.Chosen[part] ? BST_CHECKED : BST_UNCHECKED, 0);
        SetControlText(Control(kFirstRangeFromId + i), fields.RangeFrom[part]);
        SetControlText(Control(kFirstRangeToId + i), fields.RangeTo[part]);
    }
    SendMessageW(Control(kResistorSeriesChoice.Id), CB_SETCURSEL,
                 static_cast<WPARAM>(fields.ResistorSeries), 0);
    SendMessageW(Control(kCapacitorSeriesChoice.Id), CB_SETCURSEL,
                 static_cast<WPARAM>(fields.CapacitorSeries), 0);
}

DesignFields DesignDialog::Fields() const {
    DesignFields fields;
    for (int i = 0; i < kSpreadLimits; ++i)
        fields.Requirements[static_cast<size_t>(i)] = ControlText(Control(kFirstRequirementId + i));
    for (int i = 0; i < static_cast<int>(kDesignParts); ++i) {
        const auto part = static_cast<size_t>(i);
        fields.Chosen[part] =
            SendMessageW(Control(kFirstPartCheckId + i), BM_GETCHECK, 0, 0) == BST_CHECKED;
        fields.RangeFrom[part] = ControlText(Control(kFirstRangeFromId + i));
        fields.RangeTo[part] = ControlText(Control(kFirstRangeToId + i));
    }
    fields.ResistorSeries =
        static_cast<int>(SendMessageW(Control(kResistorSeriesChoice.Id), CB_GETCURSEL, 0, 0));
    fields.CapacitorSeries =
        static_cast<int>(SendMessageW(Control(kCapacitorSeriesChoice.Id), CB_GETCURSEL, 0, 0));
    return fields;
}

void DesignDialog::Command(int id, int notification) {
    if (notification != BN_CLICKED)
        return;
    if (id == kDesignOk.Id || id == IDOK)
        presenter_.Guarded([this] {
            if (presenter_.Accept(Fields()))
                EndModal();
        });
    else if (id == kDesignCancel.Id || id == IDCANCEL)
        EndModal();
}
