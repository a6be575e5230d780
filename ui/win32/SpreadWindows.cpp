#include "SpreadWindows.h"

#include "Clipboard.h"
#include "MainWindow.h"
#include "SpreadDialog.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"

SpreadWindows::SpreadWindows(MainWindow& main, MessageBoxes& boxes)
    : owner_(main.Handle()), dialog_(owner_), dialogs_(dialog_, boxes),
      form_(*this, main.Form(), boxes, dialogs_),
      progress_(owner_, {kSpreadProgressName, kSpreadCaption, kSpreadProgressText,
                         kSpreadProgressBar, kSpreadProgressCancel, SpreadSpokenControl,
                         [this] { form_.Poll(); }, [this] { form_.CancelRun(); }}),
      results_(owner_, form_) {}

void SpreadWindows::OpenDialog(const SpreadFields& fields) {
    SpreadDialog dialog(owner_, form_);
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
