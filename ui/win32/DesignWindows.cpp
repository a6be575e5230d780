#include "DesignWindows.h"

#include "Clipboard.h"
#include "DesignResultsBox.h"
#include "MainWindow.h"
#include "SettingsDialog.h"
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

namespace {

// A check with the part's name and its range's two ends on the left; the series and the
// requirements on the right.
const SettingsDialogMetrics kDesignMetrics{
    {{12, 92}, {108, 64}, {178, 64}}, {262, 180}, 446, 80, 80};

} // namespace

void DesignWindows::OpenDialog(const DesignFields& fields) {
    SettingsDialog dialog(owner_, DesignDialogLayout(), kDesignMetrics, DesignSpokenControl,
                          AcceptedBy(presenter_, DesignFieldsOf));
    dialogOpen_ = &dialog;
    dialog.Run(ValuesOf(fields));
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
