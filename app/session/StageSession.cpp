#include "StageSession.h"

#include <utility>

void StageSession::Tell(SessionChange change) {
    // By index: a listener may change the session again while it hears, and so tell the others.
    for (size_t i = 0; i < listeners_.size(); ++i)
        listeners_[i]->SessionChanged(change);
}

void StageSession::ReplaceStage(const Stage& stage) {
    if (writeForm_)
        writeForm_(stage);
    Tell(SessionChange::StageReplaced);
}

void StageSession::Opened(const std::filesystem::path& file, const Stage& stage,
                          const SpreadSettings& settings) {
    file_ = file;
    saved_ = stage;
    settings_ = settings;
    savedSettings_ = settings;
    Tell(SessionChange::FileOpened);
}

void StageSession::Saved(const std::filesystem::path& file, const Stage& stage) {
    file_ = file;
    saved_ = stage;
    savedSettings_ = settings_;
    Tell(SessionChange::FileSaved);
}

void StageSession::SetSettings(const SpreadSettings& settings) {
    settings_ = settings;
    Tell(SessionChange::Settings);
}

bool StageSession::ResultsCurrent() const {
    if (!resultsOnShow_)
        return false;
    Stage shown = Typed();
    shown.LogScale = result_->Entered.LogScale; // the graph's mode, not the stage's values
    return shown == result_->Entered;
}

void StageSession::ShowResult(SharedResult result, bool logScale, bool failed) {
    result_ = std::move(result);
    resultsOnShow_ = result_->Count() > 0;
    logScale_ = logScale;
    resultFailed_ = failed;
    Tell(SessionChange::ResultShown);
}

void StageSession::ShowResultAs(bool logScale) {
    logScale_ = logScale;
    resultFailed_ = false;
    Tell(SessionChange::ResultShown);
}

void StageSession::ClearResults() {
    resultsOnShow_ = false;
    Tell(SessionChange::ResultsCleared);
}

void StageSession::SetBand(std::shared_ptr<const SpreadResult> band) {
    band_ = std::move(band);
    Tell(SessionChange::Band);
}
