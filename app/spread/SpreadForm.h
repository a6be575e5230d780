#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/presenters/BackgroundRun.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/FileChooser.h"
#include "app/presenters/MessageBoxes.h"
#include "app/spread/SpreadFields.h"
#include "app/spread/SpreadView.h"

#include <functional>
#include <memory>

class GraphForm;
class MainForm;

// The presenter of "Расчет" → "Разброс…": the dialog of the tolerances and settings (kept by the
// main window's presenter with the stage, so a change marks the stage changed and a save keeps
// them), the analysis of the stage as "расчет" reads it, run on every core in a worker thread
// beside the event loop, its progress and cancel, the band it hands the graph, the results box,
// and the band saved as CSV. A new "расчет", an edit of the stage or an opened file clears the
// band (the main window's presenter calls Clear).
class SpreadForm {
  public:
    // `clock`: seconds from any fixed moment (a steady clock by default).
    SpreadForm(SpreadView& view, MainForm& main, MessageBoxes& boxes, FileChooser& chooser,
               std::function<double()> clock = {});
    ~SpreadForm();
    SpreadForm(const SpreadForm&) = delete;
    SpreadForm& operator=(const SpreadForm&) = delete;

    // The graph window's presenter, which draws the band.
    void SetGraph(GraphForm* graph) { graph_ = graph; }
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
    bool HasBand() const { return band_ != nullptr; }
    // The last analysis's result; null when there is none.
    const std::shared_ptr<const SpreadResult>& Band() const { return band_; }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

  private:
    void Start(SpreadInput input);
    // The band is another: the graph and the menus follow.
    void ShowBand(std::shared_ptr<const SpreadResult> band);

    SpreadView& view_;
    MainForm& main_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;
    GraphForm* graph_ = nullptr;

    std::shared_ptr<const SpreadResult> band_;
    SpreadOutcome outcome_; // written by the run before it ends
    BackgroundRun run_;
    bool resultsShown_ = false;
};
