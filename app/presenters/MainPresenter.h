#pragma once

#include "app/presenters/EventGuard.h"
#include "app/presenters/FileChooser.h"
#include "app/presenters/MainView.h"
#include "app/presenters/MessageBoxes.h"
#include "app/presenters/RecentFiles.h"
#include "app/presenters/ResultTable.h"
#include "app/presenters/TableCommands.h"
#include "app/session/StageSession.h"
#include "calc/SweepKind.h"
#include "calc/SweepResult.h"

#include <filesystem>
#include <string>
#include <vector>

// The main window's decisions: start-up texts, "расчет", "график", "??", "сброс", an edit of a
// parameter, the result table's commands, and the menu bar's: the stage file (open, save, the
// recent files, the caption, the question before changes are lost), the kind of sweep and the
// amplifier's phase. The stage, its file and results are the session's; this presenter reads the
// stage from the form into it and puts into the form what others put into it. Each handler runs
// through the top-level error handler, so a front forwards an event in one line.
class MainPresenter final : public SessionListener {
  public:
    MainPresenter(StageSession& session, MainView& view, TableView& table, MessageBoxes& boxes,
                  FileChooser& chooser);
    ~MainPresenter();
    MainPresenter(const MainPresenter&) = delete;
    MainPresenter& operator=(const MainPresenter&) = delete;

    // The last calculation's result (no rows before the first) and the graph's mode.
    const SweepResult& Result() const { return *session_.Result(); }
    bool LogScale() const { return session_.LogScale(); }
    ResultTable& Results() { return results_; }
    TableCommands& ResultCommands() { return table_; }
    void SetFileChooser(FileChooser& chooser);
    // Where the recent files are kept between runs; read now.
    void SetRecentFilesStore(RecentFilesStore& store);

    void Start();
    void Calculate();
    void ShowGraph();
    void ShowHelp();
    void Reset();
    void ParameterEdited(int column, int row, const std::string& text);
    // A sweep field or the check box has changed.
    void StageEdited();

    // The menu bar.
    void Open();
    void Save();
    void SaveAs();
    void SaveTable() { table_.Save(); }
    void Exit() { view_.CloseWindow(); }
    void UseLinearSweep() { ChooseSweep(SweepKind::Linear); }
    void UseDecadeSweep() { ChooseSweep(SweepKind::Decade); }
    bool HasResults() const { return table_.HasResults(); }
    // The results on show are the stage's as the form holds it now (another kind of sweep chosen
    // since "расчет" makes them another's).
    bool ResultsCurrent() const { return session_.ResultsCurrent(); }
    bool LinearSweep() const { return sweep_ == SweepKind::Linear; }
    bool DecadeSweep() const { return sweep_ == SweepKind::Decade; }
    // "Фаза ОУ: запаздывающая (реальный ОУ)": the amplifier's pole lags, as a real one's does,
    // instead of the program's own leading model.
    void SwitchPhase();
    bool LaggingPhase() const { return phase_ == OpAmpPhase::Lagging; }
    std::vector<std::string> RecentFileLabels() const;
    void OpenRecent(size_t index);

    // The stage file given on the command line, opened once the windows stand.
    void OpenAtStart(const std::filesystem::path& path);
    // Asked before the window closes: false when the user keeps it open. Changes not in a file
    // are offered to be saved first.
    bool QueryClose();

    SweepKind Sweep() const { return sweep_; }
    const std::filesystem::path& File() const { return session_.File(); }
    // The stage differs from its file (or, with none, from an empty form).
    bool Modified() const { return session_.Modified(); }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

    void SessionChanged(SessionChange change) override;

  private:
    // "расчет" itself: reads the form once, rewrites the fields the check read in normal form,
    // then shows the refusal or the result. Returns the result made (also one a fault stopped),
    // or none.
    SharedResult RunCalculation();
    // Steps shared by reset and by an edit of a parameter: the results are no longer valid.
    void InvalidateResults();
    void ChooseSweep(SweepKind sweep);
    // The stage as the form and the menus hold it.
    Stage TypedStage() const;
    void ShowSweepLabel();
    bool OpenFile(const std::filesystem::path& path);
    void OpenRecentFile(size_t index);
    bool SaveTo(std::filesystem::path path);
    bool SaveWithDialog();
    void Remember(const std::filesystem::path& path);
    FileRequest StageRequest(const char* caption) const;
    void ShowCaption();

    StageSession& session_;
    MainView& view_;
    MessageBoxes& boxes_;
    ResultTable results_;
    TableCommands table_;
    FileChooser* chooser_;

    SweepKind sweep_ = SweepKind::Linear;
    OpAmpPhase phase_ = OpAmpPhase::Leading;
    RecentFilesStore* recentStore_ = nullptr;
    std::vector<std::filesystem::path> recent_;
};
