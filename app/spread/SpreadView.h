#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/spread/SpreadFields.h"

#include <memory>
#include <string>

// What the presenter of "Разброс…" sees of its windows: the dialog, the progress box, the results
// box and the clipboard. Each set of windows implements it; tests fake it.

class SpreadView {
  public:
    virtual ~SpreadView() = default;
    // Opens the dialog, modal, holding `fields`. Its OK button calls SpreadForm::Accept with what
    // the fields hold then, and the dialog closes only when that returns true; its cancel button
    // closes it.
    virtual void OpenDialog(const SpreadFields& fields) = 0;
    // After a refusal's box, the open dialog's field `id` (SpreadControls.h) takes the focus, its
    // text selected, as the main window's refused cell does.
    virtual void FocusField(int id) = 0;
    // A timer that calls SpreadForm::Poll every kSpreadPollMilliseconds until stopped.
    virtual void StartPolling() = 0;
    virtual void StopPolling() = 0;
    // The progress box: shown (modal, its "Отмена" calling SpreadForm::CancelRun) or brought to
    // `permille` of the work; closed.
    virtual void ShowProgress(int permille) = 0;
    virtual void CloseProgress() = 0;
    // The results box: the text, the histograms of `result`'s upper −3 dB edge and peak gain, a
    // button that copies the text (SpreadForm::CopyResults), one that saves the band
    // (SpreadForm::SaveBand) and one that closes the box; shown anew when already up. Its closing,
    // however it closes, calls SpreadForm::ResultsClosed.
    virtual void ShowResults(const std::string& text,
                             const std::shared_ptr<const SpreadResult>& result) = 0;
    // False when the clipboard could not take it (another program holds it open).
    virtual bool SetClipboardText(const std::string& text) = 0;
};
