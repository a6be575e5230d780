#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/presenters/FileChooser.h"
#include "calc/Stage.h"
#include "calc/SweepResult.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

// What changed in the session; every listener hears every change, once, after it is made.
enum class SessionChange {
    // Another stage than the form's typing made it went into the form (a designed candidate).
    StageReplaced,
    // A stage file was opened into the form, or the stage saved: file, saved stage, settings.
    FileOpened,
    FileSaved,
    // The analyses' settings (tolerances, requirements, the design's choices).
    Settings,
    // "расчет": started; refused (the form holds no stage it accepts); ended with a result,
    // also one a fault stopped; or "график" shows the result in the check box's mode.
    CalculationStarted,
    CalculationRefused,
    ResultShown,
    // An edit made the results on show another stage's: the table is emptied.
    ResultsCleared,
    // An analysis needs the results of the stage as typed: "расчет" is to run now.
    CalculationWanted,
    // The tolerance analysis's band came or went.
    Band,
};

class SessionListener {
  public:
    virtual void SessionChanged(SessionChange change) = 0;

  protected:
    ~SessionListener() = default;
};

// The stage the user works on, shared by the presenters of every window: the stage as typed (read
// from the form when asked), its file and whether it is saved, the analyses' settings kept with
// it, the last calculation's result and the tolerance analysis's band. A presenter changes it
// and the others hear of it; none calls another.
class StageSession {
  public:
    void Listen(SessionListener& listener) { listeners_.push_back(&listener); }
    void Forget(SessionListener& listener) { std::erase(listeners_, &listener); }

    // The stage as the form and the menus hold it now.
    Stage Typed() const { return readForm_ ? readForm_() : Stage{}; }
    // The form the stage is typed into, which the main window's presenter keeps: how it is read,
    // and how another stage is put into it; nullptrs when it goes.
    void SetForm(std::function<Stage()> read, std::function<void(const Stage&)> write) {
        readForm_ = std::move(read);
        writeForm_ = std::move(write);
    }
    // A stage from elsewhere goes into the form, then all hear StageReplaced.
    void ReplaceStage(const Stage& stage);

    // The stage file (empty for a new stage) and what it holds, or an empty form.
    const std::filesystem::path& File() const { return file_; }
    void Opened(const std::filesystem::path& file, const Stage& stage,
                const SpreadSettings& settings);
    void Saved(const std::filesystem::path& file, const Stage& stage);
    // The stage or its settings differ from the file's (with none, from an empty form).
    bool Modified() const { return Typed() != saved_ || settings_ != savedSettings_; }
    // Where the program's file dialogs start.
    DialogFolder& Folder() { return folder_; }

    // The analyses' settings, kept with the stage: a change marks it changed.
    const SpreadSettings& Settings() const { return settings_; }
    void SetSettings(const SpreadSettings& settings);

    // The last calculation's result (no rows before the first), whether its rows are on show,
    // and the graph's mode, taken from the check box by "график" and by a calculation that ran
    // to its end.
    const SharedResult& Result() const { return result_; }
    bool LogScale() const { return logScale_; }
    bool HasResults() const { return resultsOnShow_; }
    // The results on show are the stage's as typed now (another kind of sweep chosen since
    // "расчет" makes them another's).
    bool ResultsCurrent() const;
    // A fault of the result shown stopped it; the graph shows it without a second box.
    bool ResultFailed() const { return resultFailed_; }
    void CalculationStarted() { Tell(SessionChange::CalculationStarted); }
    void CalculationRefused() { Tell(SessionChange::CalculationRefused); }
    void ShowResult(SharedResult result, bool logScale, bool failed);
    void ShowResultAs(bool logScale);
    void ClearResults();
    // Asks for "расчет" of the stage as typed, which runs before this returns.
    void WantCalculation() { Tell(SessionChange::CalculationWanted); }

    // The tolerance analysis's band; null when there is none.
    const std::shared_ptr<const SpreadResult>& Band() const { return band_; }
    void SetBand(std::shared_ptr<const SpreadResult> band);

  private:
    void Tell(SessionChange change);

    std::vector<SessionListener*> listeners_;
    std::function<Stage()> readForm_;
    std::function<void(const Stage&)> writeForm_;
    std::filesystem::path file_;
    Stage saved_;
    SpreadSettings settings_{};
    SpreadSettings savedSettings_{};
    DialogFolder folder_;
    SharedResult result_ = NoResult();
    bool logScale_ = false;
    bool resultsOnShow_ = false;
    bool resultFailed_ = false;
    std::shared_ptr<const SpreadResult> band_;
};
