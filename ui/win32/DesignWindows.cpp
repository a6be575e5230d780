#include "DesignWindows.h"

#include "Clipboard.h"
#include "DesignDialog.h"
#include "DesignResultsBox.h"
#include "MainWindow.h"
#include "app/design/DesignControls.h"
#include "app/texts/Texts.h"

DesignWindows::DesignWindows(StagePresenters& presenters, MainWindow& main)
    : presenters_(presenters), owner_(main.Handle()), presenter_(presenters.MakeDesign(*this)),
      progress_(owner_, {kDesignProgressName, kDesignCaption, kDesignProgressText,
                         kDesignProgressBar, kDesignProgressCancel, DesignSpokenControl,
                         [this] { presenter_.Poll(); }, [this] { presenter_.CancelRun(); }}) {}

DesignWindows::~DesignWindows() {
    presenters_.DropDesign();
}

void DesignWindows::OpenDialog(const DesignFields& fields) {
    DesignDialog dialog(owner_, presenter_);
    dialogOpen_ = &dialog;
    dialog.Run(fields);
    dialogOpen_ = nullptr;
}

void DesignWindows::FocusField(int id) {
    if (dialogOpen_ != nullptr)
        dialogOpen_->FocusField(id);
}

void DesignWindows::ShowResults(const std::string& summary, const std::vector<std::string>& lines) {
    DesignResultsBox box(owner_, presenter_);
    resultsOpen_ = box.Handle();
    box.Run(summary, lines);
    resultsOpen_ = nullptr;
}

bool DesignWindows::SetClipboardText(const std::string& text) {
    // The clipboard keeps what it held when another program holds it open.
    return PutTextOnClipboard(resultsOpen_ != nullptr ? resultsOpen_ : owner_, text);
}
