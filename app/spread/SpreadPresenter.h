#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/presenters/BackgroundRun.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/FileChooser.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StageSession.h"
#include "app/spread/SpreadFields.h"
#include "app/spread/SpreadView.h"

#include <functional>
#include <memory>

// The presenter of "Расчет" → "Разброс…": the dialog of the tolerances and settings (kept by the
// session with the stage, so a change marks the stage changed and a save keeps them), the
// analysis of the stage as "расчет" reads it, run on every core in a worker thread beside the
// event loop, its progress and cancel, the band it puts into the session, the results box, and
// the band saved as CSV. A new "расчет", an edit of the stage or an opened file clears the band.
class SpreadPresenter final : public SessionListener {
  public:
    // `clock`: seconds from any fixed moment (a steady clock by default).
    SpreadPresenter(StageSession& session, SpreadView& view, MessageBoxes& boxes,
                    FileChooser& chooser, std::function<double()> clock = {});
    ~SpreadPresenter();
    SpreadPresenter(const SpreadPresenter&) = delete;
    SpreadPresenter& operator=(const SpreadPresenter&) = delete;

    void SetFileChooser(FileChooser& chooser) { chooser_ = &chooser; }

    // "Разброс…": the dialog with the settings kept.
    void Open();
    // The dialog's OK: false, after a message naming the field, while a field is refused; true
    // when the dialog may close: the settings are kept and the analysis runs (or is refused once,
    // with the calculation's message). Without current results "расчет" runs first, as the
    // button does, so the band lies under the curve of the stage analysed.
    bool Accept(const SpreadFields& fields);
    // The timer's tick: shows the progress once the run has lasted kProgressAfter, and takes
    // its outcome once it has ended.
    void Poll();
    // The progress box's "Отмена": stops the run at once; the previous band stays.
    void CancelRun();
    // The band goes, and a run on the way is stopped and dropped.
    void Clear();
    // The results box has closed.
    void ResultsClosed();
    // The results box's buttons, and "Сохранить разброс…".
    void CopyResults();
    void SaveBand();

    bool Running() const { return run_.Running(); }
    bool HasBand() const { return Band() != nullptr; }
    // The last analysis's result; null when there is none.
    const std::shared_ptr<const SpreadResult>& Band() const { return session_.Band(); }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

    void SessionChanged(SessionChange change) override;

  private:
    void Start(SpreadInput input);

    StageSession& session_;
    SpreadView& view_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;

    SpreadOutcome outcome_; // written by the run before it ends
    BackgroundRun run_;
    bool resultsShown_ = false;
};
