#pragma once

#include "app/design/DesignPresenter.h"
#include "app/presenters/Commands.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/GraphPresenter.h"
#include "app/presenters/MainPresenter.h"
#include "app/session/StageSession.h"
#include "app/spread/SpreadPresenter.h"

#include <functional>
#include <optional>
#include <span>

// The program's presenters over one stage session, as both sets of windows join them: each window
// makes its presenter here as it is built, with itself as the view, and drops it as it goes. The
// menu bar's commands, which reach into several presenters, are the assembly's.
class StagePresenters {
  public:
    // `clock` for the analyses' runs: seconds from any fixed moment (a steady clock by default).
    explicit StagePresenters(MessageBoxes& boxes, std::function<double()> clock = {});
    StagePresenters(const StagePresenters&) = delete;
    StagePresenters& operator=(const StagePresenters&) = delete;

    StageSession& Session() { return session_; }

    MainPresenter& MakeMain(MainView& view, TableView& table, FileChooser& chooser);
    GraphPresenter& MakeGraph(GraphView& view, FileChooser& chooser);
    SpreadPresenter& MakeSpread(SpreadView& view, FileChooser& chooser);
    DesignPresenter& MakeDesign(DesignView& view);
    void DropMain() { main_.reset(); }
    void DropGraph() { graph_.reset(); }
    void DropSpread() { spread_.reset(); }
    void DropDesign() { design_.reset(); }

    // Made, and not yet dropped.
    MainPresenter& Main() { return *main_; }
    const MainPresenter& Main() const { return *main_; }
    SpreadPresenter* Spread() { return spread_ ? &*spread_ : nullptr; }
    DesignPresenter* Design() { return design_ ? &*design_ : nullptr; }

    // The menu bar's commands, menu by menu in the order they stand.
    static std::span<const Command<StagePresenters>> Table();

    void Open() { main_->Open(); }
    void Save() { main_->Save(); }
    void SaveAs() { main_->SaveAs(); }
    void SaveTable() { main_->SaveTable(); }
    bool HasResults() const { return main_->HasResults(); }
    void SaveSpread();
    bool HasSpread() const { return spread_ && spread_->HasBand(); }
    void Exit() { main_->Exit(); }
    void UseLinearSweep() { main_->UseLinearSweep(); }
    void UseDecadeSweep() { main_->UseDecadeSweep(); }
    bool LinearSweep() const { return main_->LinearSweep(); }
    bool DecadeSweep() const { return main_->DecadeSweep(); }
    void SwitchPhase() { main_->SwitchPhase(); }
    bool LaggingPhase() const { return main_->LaggingPhase(); }
    // "Разброс…" and "Подбор номиналов…": greyed in a set of windows without their dialogs.
    void OpenSpread();
    bool CanSpread() const { return spread_.has_value(); }
    void OpenDesign();
    bool CanDesign() const { return design_.has_value(); }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

  private:
    MessageBoxes& boxes_;
    std::function<double()> clock_;
    StageSession session_;
    std::optional<MainPresenter> main_;
    std::optional<GraphPresenter> graph_;
    std::optional<SpreadPresenter> spread_;
    std::optional<DesignPresenter> design_;
};
