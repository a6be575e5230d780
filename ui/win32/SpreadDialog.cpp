#include "SpreadDialog.h"

#include "Text.h"
#include "app/spread/SpreadControls.h"
#include "app/spread/SpreadPresenter.h"
#include "app/texts/Texts.h"

#include <array>

namespace {

// The layout at 96 DPI: the tolerances in a column on the left under their heading, the settings
// and under their heading the limits on the right, the buttons in the bottom right corner.
constexpr int kRowPitch = 24;
constexpr int kEditHeight = 21;
constexpr int kLabelHeight = 16;
constexpr int kLabelDrop = 3; // a label's text on the line of its edit's
constexpr int kToleranceTop = 30;
constexpr int kToleranceLabelLeft = 12, kToleranceLabelWidth = 68;
constexpr int kToleranceLeft = 82, kToleranceWidth = 56;
constexpr int kSettingsTop = 30;
constexpr int kLimitsHeadingTop = 130;
constexpr int kLimitsTop = 152;
constexpr int kRightLabelLeft = 164, kRightLabelWidth = 170;
constexpr int kRightLeft = 338, kChoiceWidth = 176, kNumberWidth = 80;
constexpr int kButtonTop = kToleranceTop + 12 * kRowPitch, kButtonWidth = 75, kButtonHeight = 23;
constexpr SIZE kClientSize = {kRightLeft + kChoiceWidth + 12, kButtonTop + kButtonHeight + 12};

// The choices in the order of their enumerations.
constexpr std::array kDistributionChoices = {kUniformChoice, kNormalChoice};
constexpr std::array kModeChoices = {kMonteCarloChoice, kCornersChoice};

void AddRow(std::vector<DialogControl>& controls, int labelLeft, int labelWidth,
            const std::string& label, DialogControl control) {
    controls.push_back(
        DialogLabel(label, {labelLeft, control.At.Top + kLabelDrop, labelWidth, kLabelHeight}));
    controls.push_back(std::move(control));
}

std::vector<DialogControl> Layout() {
    std::vector<DialogControl> controls;
    controls.push_back(DialogLabel(kToleranceHeading, {kToleranceLeft, 10, 76, kLabelHeight}));
    for (int i = 0; i < kSpreadParameters; ++i)
        AddRow(controls, kToleranceLabelLeft, kToleranceLabelWidth,
               kParameterNames[static_cast<size_t>(i)],
               DialogEdit(kFirstToleranceId + i, {kToleranceLeft, kToleranceTop + i * kRowPitch,
                                                  kToleranceWidth, kEditHeight}));
    const auto right = [&](const char* label, int row, DialogControl control) {
        control.At.Top = kSettingsTop + row * kRowPitch;
        AddRow(controls, kRightLabelLeft, kRightLabelWidth, label, std::move(control));
    };
    right(kDistributionLabel, 0,
          DialogChoice(kDistributionChoice.Id, {kRightLeft, 0, kChoiceWidth, 120}));
    right(kAnalysisLabel, 1, DialogChoice(kAnalysisChoice.Id, {kRightLeft, 0, kChoiceWidth, 120}));
    right(kTrialsLabel, 2, DialogEdit(kTrialsEdit.Id, {kRightLeft, 0, kNumberWidth, kEditHeight}));
    right(kSeedLabel, 3, DialogEdit(kSeedEdit.Id, {kRightLeft, 0, kChoiceWidth, kEditHeight}));
    controls.push_back(
        DialogLabel(kLimitsHeading, {kRightLabelLeft, kLimitsHeadingTop,
                                     kClientSize.cx - 12 - kRightLabelLeft, kLabelHeight}));
    for (int i = 0; i < kSpreadLimits; ++i)
        AddRow(controls, kRightLabelLeft, kRightLabelWidth, kLimitLabels[static_cast<size_t>(i)],
               DialogEdit(kFirstLimitId + i,
                          {kRightLeft, kLimitsTop + i * kRowPitch, kNumberWidth, kEditHeight}));
    const int cancelLeft = kClientSize.cx - 12 - kButtonWidth;
    controls.push_back(DialogButton(
        kSpreadOk.Id, kOkButton,
        {cancelLeft - 6 - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight}, true));
    controls.push_back(DialogButton(kSpreadCancel.Id, kCancelButton,
                                    {cancelLeft, kButtonTop, kButtonWidth, kButtonHeight}));
    return controls;
}

template <size_t N> void FillChoice(HWND box, const std::array<const char*, N>& choices) {
    for (const char* choice : choices)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(choice).c_str()));
}

} // namespace

SpreadDialog::SpreadDialog(HWND owner, SpreadPresenter& form)
    : DialogWindow(owner, Widen(kSpreadDialogName), kSpreadCaption, kClientSize, Layout()),
      presenter_(form) {
    FillChoice(Control(kDistributionChoice.Id), kDistributionChoices);
    FillChoice(Control(kAnalysisChoice.Id), kModeChoices);
    SetSpokenControls(SpreadSpokenControl);
}

void SpreadDialog::Run(const SpreadFields& fields) {
    ShowFields(fields);
    RunModal();
}

void SpreadDialog::ShowFields(const SpreadFields& fields) {
    for (int i = 0; i < kSpreadParameters; ++i)
        SetControlText(Control(kFirstToleranceId + i), fields.Tolerances[static_cast<size_t>(i)]);
    SendMessageW(Control(kDistributionChoice.Id), CB_SETCURSEL, static_cast<WPARAM>(fields.Shape),
                 0);
    SendMessageW(Control(kAnalysisChoice.Id), CB_SETCURSEL, static_cast<WPARAM>(fields.Mode), 0);
    SetControlText(Control(kTrialsEdit.Id), fields.Trials);
    SetControlText(Control(kSeedEdit.Id), fields.Seed);
    for (int i = 0; i < kSpreadLimits; ++i)
        SetControlText(Control(kFirstLimitId + i), fields.Limits[static_cast<size_t>(i)]);
}

SpreadFields SpreadDialog::Fields() const {
    SpreadFields fields;
    for (int i = 0; i < kSpreadParameters; ++i)
        fields.Tolerances[static_cast<size_t>(i)] = ControlText(Control(kFirstToleranceId + i));
    fields.Shape = static_cast<Distribution>(
        SendMessageW(Control(kDistributionChoice.Id), CB_GETCURSEL, 0, 0));
    fields.Mode =
        static_cast<SpreadMode>(SendMessageW(Control(kAnalysisChoice.Id), CB_GETCURSEL, 0, 0));
    fields.Trials = ControlText(Control(kTrialsEdit.Id));
    fields.Seed = ControlText(Control(kSeedEdit.Id));
    for (int i = 0; i < kSpreadLimits; ++i)
        fields.Limits[static_cast<size_t>(i)] = ControlText(Control(kFirstLimitId + i));
    return fields;
}

void SpreadDialog::Command(int id, int notification) {
    if (notification != BN_CLICKED)
        return;
    if (id == kSpreadOk.Id || id == IDOK)
        presenter_.Guarded([this] {
            if (presenter_.Accept(Fields()))
                EndModal();
        });
    else if (id == kSpreadCancel.Id || id == IDCANCEL)
        EndModal();
}
