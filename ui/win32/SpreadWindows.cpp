#include "SpreadWindows.h"

#include "Clipboard.h"
#include "MainWindow.h"
#include "SettingsDialog.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"

SpreadWindows::SpreadWindows(StagePresenters& presenters, MainWindow& main, MessageBoxes& boxes)
    : presenters_(presenters), owner_(main.Handle()), dialog_(owner_), dialogs_(dialog_, boxes),
      presenter_(presenters.MakeSpread(*this, dialogs_)),
      progress_(owner_, {kSpreadProgressName, kSpreadCaption, kSpreadProgressText,
                         kSpreadProgressBar, kSpreadProgressCancel, SpreadSpokenControl,
                         [this] { presenter_.Poll(); }, [this] { presenter_.CancelRun(); }}),
      results_(owner_, presenter_) {}

SpreadWindows::~SpreadWindows() {
    presenters_.DropSpread();
}

namespace {

// The tolerances beside the parameters' names on the left; the settings and the limits with their
// longer labels on the right, the choices wide enough for their words.
const SettingsDialogMetrics kSpreadMetrics{{{12, 68}, {82, 56}}, {164, 170}, 338, 80, 176};

} // namespace

void SpreadWindows::OpenDialog(const SpreadFields& fields) {
    SettingsDialog dialog(owner_, SpreadDialogLayout(), kSpreadMetrics, SpreadSpokenControl,
                          AcceptedBy(presenter_, SpreadFieldsOf));
    dialogOpen_ = &dialog;
    dialog.Run(ValuesOf(fields));
    dialogOpen_ = nullptr;
}

void SpreadWindows::FocusField(int id) {
    if (dialogOpen_ != nullptr)
        dialogOpen_->FocusField(id);
}

bool SpreadWindows::SetClipboardText(const std::string& text) {
    // The clipboard keeps what it held when another program holds it open.
    return PutTextOnClipboard(results_.Handle(), text);
}
