#pragma once

#include "analysis/DesignRanking.h"
#include "app/design/DesignView.h"
#include "app/presenters/BackgroundRun.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StageSession.h"

#include <array>
#include <functional>
#include <vector>

// The presenter of "Расчет" → "Подбор номиналов…": the dialog of the requirements and the parts,
// series and ranges to choose from (kept by the session with the stage, as "Разброс…" keeps its
// settings), the search and ranking of the stage as "расчет" reads it, run
// on every core beside the event loop with its progress and cancel, the results box, and the
// candidate chosen put into the form.
class DesignPresenter {
  public:
    // `clock`: seconds from any fixed moment (a steady clock by default).
    DesignPresenter(StageSession& session, DesignView& view, MessageBoxes& boxes,
                    std::function<double()> clock = {});

    // "Подбор номиналов…": the dialog with the settings kept.
    void Open();
    // The dialog's OK: false, after a message naming the field, while a field is refused; true
    // when the dialog may close: the settings are kept and the search runs (or is refused once,
    // with the calculation's message). Without current results "расчет" runs first.
    bool Accept(const DesignFields& fields);
    // The timer's tick: the progress, and the results box once the search has ended.
    void Poll();
    // The progress box's "Отмена": stops the search at once.
    void CancelRun();
    // "Применить": candidate `index`'s values of the parts chosen go into the form as an opened
    // file's do; the other parts, the amplifier and the sweep stay as typed.
    void Apply(size_t index);
    // "Копировать": the summary and the candidates as text.
    void CopyList();

    bool Running() const { return run_.Running(); }
    const std::vector<RankedDesign>& Candidates() const { return ranked_; }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

  private:
    StageSession& session_;
    DesignView& view_;
    MessageBoxes& boxes_;
    std::array<bool, kDesignParts> chosen_{}; // the parts the last search chose
    DesignOutcome outcome_;                   // written by the run before it ends
    std::vector<RankedDesign> ranked_;        // the last search's candidates, best first
    BackgroundRun run_;
};
