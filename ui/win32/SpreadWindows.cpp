#include "SpreadWindows.h"

#include "Clipboard.h"
#include "MainWindow.h"
#include "SpreadDialog.h"
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

void SpreadWindows::OpenDialog(const SpreadFields& fields) {
    SpreadDialog dialog(owner_, presenter_);
    dialogOpen_ = &dialog;
    dialog.Run(fields);
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
