#pragma once

#include "app/design/DesignForm.h"
#include "app/presenters/Commands.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/GraphForm.h"
#include "app/presenters/MainForm.h"
#include "app/session/StageSession.h"
#include "app/spread/SpreadForm.h"

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

    MainForm& MakeMain(MainView& view, TableView& table, FileChooser& chooser);
    GraphForm& MakeGraph(GraphView& view, FileChooser& chooser);
    SpreadForm& MakeSpread(SpreadView& view, FileChooser& chooser);
    DesignForm& MakeDesign(DesignView& view);
    void DropMain() { main_.reset(); }
    void DropGraph() { graph_.reset(); }
    void DropSpread() { spread_.reset(); }
    void DropDesign() { design_.reset(); }

    // Made, and not yet dropped.
    MainForm& Main() { return *main_; }
    const MainForm& Main() const { return *main_; }
    SpreadForm* Spread() { return spread_ ? &*spread_ : nullptr; }
    DesignForm* Design() { return design_ ? &*design_ : nullptr; }

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
    std::optional<MainForm> main_;
    std::optional<GraphForm> graph_;
    std::optional<SpreadForm> spread_;
    std::optional<DesignForm> design_;
};
