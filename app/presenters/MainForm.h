#pragma once

#include "app/files/StageFile.h"
#include "app/presenters/Commands.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/FileChooser.h"
#include "app/presenters/GraphForm.h"
#include "app/presenters/MainView.h"
#include "app/presenters/MessageBoxes.h"
#include "app/presenters/RecentFiles.h"
#include "app/presenters/ResultTable.h"
#include "app/presenters/TableCommands.h"
#include "calc/SweepKind.h"
#include "calc/SweepResult.h"

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

class DesignForm;
class SpreadForm;

// The main window's decisions: start-up texts, "расчет", "график", "??", "сброс", an edit of a
// parameter, the result table's commands, and the menu bar: the stage file (open, save, the
// recent files, the caption, the question before changes are lost) and the kind of sweep. It keeps
// the last calculation's result and the graph's mode. Each handler runs through the top-level error
// handler, so a front forwards an event in one line.
class MainForm {
  public:
    MainForm(MainView& view, TableView& table, MessageBoxes& boxes, FileChooser& chooser);

    // The menu bar's commands, menu by menu in the order they stand.
    static std::span<const Command<MainForm>> Table();

    // The last calculation's result (no rows before the first) and the graph's mode, taken from
    // the check box by "график" and by a calculation that ran to its end.
    const SweepResult& Result() const { return *result_; }
    bool LogScale() const { return logScale_; }
    ResultTable& Results() { return results_; }
    TableCommands& ResultCommands() { return table_; }
    // The graph window's presenter, which follows the calculations.
    void SetGraph(GraphForm* graph);
    // The tolerance analysis's presenter, whose band goes where the results go.
    void SetSpreadForm(SpreadForm* spread) { spreadForm_ = spread; }
    // The design's presenter, which "Подбор номиналов…" opens.
    void SetDesignForm(DesignForm* design) { designForm_ = design; }
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
    bool ResultsCurrent() const;
    // "Разброс…" and "Сохранить разброс…"; a set of windows without the analysis's windows shows
    // them greyed.
    void OpenSpread();
    void SaveSpread();
    bool CanSpread() const { return spreadForm_ != nullptr; }
    bool HasSpread() const;
    // "Подбор номиналов…"; greyed as "Разброс…" is.
    void OpenDesign();
    bool CanDesign() const { return designForm_ != nullptr; }
    // A designed candidate: the values of the parts `chosen` go into the form in normal form, the
    // results are cleared and the stage marked changed, as after an edit of those cells.
    void ApplyDesign(const EnteredParameters& values, const std::array<bool, 10>& chosen);
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
    const std::filesystem::path& File() const { return file_; }
    // The stage differs from its file (or, with none, from an empty form).
    bool Modified() const;
    // What "Разброс…" and "Подбор номиналов…" analyse: the stage as "расчет" reads it, with the
    // settings kept. "расчет" runs first when the results on show are not the stage's; nothing,
    // after its box, when it refuses the stage or a fault stops it, or when the analysis refuses
    // the settings over the sweep. A fault of the results on show is thrown again, for the
    // caller's handler.
    std::optional<SpreadInput> TypedStageAnalysis();
    // The tolerance analysis's settings, kept with the stage: a change marks it changed.
    const SpreadSettings& Spread() const { return spread_; }
    void SetSpread(const SpreadSettings& settings);
    // The analysis's band came or went: the menus follow.
    void SpreadChanged() { view_.MenusChanged(); }
    // Where the program's file dialogs start.
    DialogFolder& Folder() { return folder_; }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

  private:
    // "расчет" itself: reads the form once, rewrites the fields the check read in normal form,
    // then shows the refusal or the result. Returns whether a result was made (also one a fault
    // stopped).
    bool RunCalculation();
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

    MainView& view_;
    MessageBoxes& boxes_;
    SharedResult result_ = NoResult();
    bool logScale_ = false;
    DialogFolder folder_; // shared by every file dialog of the program
    ResultTable results_;
    TableCommands table_;
    FileChooser* chooser_;
    GraphForm* graph_ = nullptr;

    SweepKind sweep_ = SweepKind::Linear;
    OpAmpPhase phase_ = OpAmpPhase::Leading;
    std::filesystem::path file_; // the stage file, empty for a new stage
    Stage saved_;                // what the file holds, or an empty form
    // The tolerance analysis's settings the file holds, written back with the stage.
    SpreadSettings spread_{};
    SpreadSettings savedSpread_{};
    SpreadForm* spreadForm_ = nullptr;
    DesignForm* designForm_ = nullptr;
    RecentFilesStore* recentStore_ = nullptr;
    std::vector<std::filesystem::path> recent_;
};
