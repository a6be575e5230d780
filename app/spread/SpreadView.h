#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/presenters/ProgressView.h"
#include "app/spread/SpreadFields.h"

#include <memory>
#include <string>

// What the presenter of "Разброс…" sees of its windows: the dialog, the progress box, the results
// box and the clipboard. Each set of windows implements it; tests fake it. Its progress box's
// "Отмена" calls SpreadPresenter::CancelRun, its timer SpreadPresenter::Poll.

class SpreadView : public ProgressView {
  public:
    // Opens the dialog, modal, holding `fields`. Its OK button calls SpreadPresenter::Accept with
    // what the fields hold then, and the dialog closes only when that returns true; its cancel
    // button closes it.
    virtual void OpenDialog(const SpreadFields& fields) = 0;
    // After a refusal's box, the open dialog's field `id` (SpreadControls.h) takes the focus, its
    // text selected, as the main window's refused cell does.
    virtual void FocusField(int id) = 0;
    // The results box: the text, the histograms of `result`'s upper −3 dB edge and peak gain, a
    // button that copies the text (SpreadPresenter::CopyResults), one that saves the band
    // (SpreadPresenter::SaveBand) and one that closes the box; shown anew when already up. Its
    // closing, however it closes, calls SpreadPresenter::ResultsClosed.
    virtual void ShowResults(const std::string& text,
                             const std::shared_ptr<const SpreadResult>& result) = 0;
    // False when the clipboard could not take it (another program holds it open).
    virtual bool SetClipboardText(const std::string& text) = 0;
};
