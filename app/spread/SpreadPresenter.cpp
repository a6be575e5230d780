#include "SpreadPresenter.h"

#include "app/files/SafeFile.h"
#include "app/session/AnalysedStage.h"
#include "app/spread/SpreadReport.h"
#include "app/spread/SpreadResults.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"

#include <utility>

SpreadPresenter::SpreadPresenter(StageSession& session, SpreadView& view, MessageBoxes& boxes,
                                 FileChooser& chooser, std::function<double()> clock)
    : session_(session), view_(view), boxes_(boxes), chooser_(&chooser),
      run_(view, boxes, std::move(clock)) {
    session_.Listen(*this);
}

SpreadPresenter::~SpreadPresenter() {
    session_.Forget(*this);
}

void SpreadPresenter::SessionChanged(SessionChange change) {
    // The band was formed over the results on show: other results, or none, take it away.
    if (change == SessionChange::CalculationStarted || change == SessionChange::ResultsCleared ||
        change == SessionChange::FileOpened)
        Clear();
}

void SpreadPresenter::Open() {
    // A box that comes unasked (a paint's failure) waits until the dialog has closed.
    Guarded([this] {
        boxes_.WhileUp([this] { view_.OpenDialog(FieldsFromSettings(session_.Settings())); });
    });
}

bool SpreadPresenter::Accept(const SpreadFields& fields) {
    const SpreadFieldsReading reading = SettingsFromFields(fields);
    if (!reading.Settings) {
        boxes_.ShowMessage(reading.Refusal);
        view_.FocusField(reading.Field);
        return false;
    }
    // The dialog holds the analysis's settings; the design's are kept as they were.
    SpreadSettings settings = *reading.Settings;
    settings.Design = session_.Settings().Design;
    session_.SetSettings(settings);
    Guarded([this] {
        // Results on show of the stage as it stands keep the band they may have until the new
        // one comes.
        std::optional<SpreadInput> input = AnalysedStage(session_, boxes_);
        if (input)
            Start(std::move(*input));
    });
    return true;
}

void SpreadPresenter::Start(SpreadInput input) {
    run_.Start([this, input = std::move(input)](CancelToken& token) {
        outcome_ = RunSpread(input, token);
    });
}

void SpreadPresenter::Poll() {
    Guarded([this] {
        if (!run_.Poll())
            return;
        SpreadOutcome outcome = std::exchange(outcome_, {});
        if (outcome.Cancelled)
            return;
        if (!outcome.Result)
            return boxes_.ShowMessage(SpreadRefusalText(outcome.Refusal));
        session_.SetBand(std::move(outcome.Result));
        if (!resultsShown_)
            boxes_.WindowOpened();
        resultsShown_ = true;
        view_.ShowResults(SpreadResultsText(*Band()), Band());
    });
}

void SpreadPresenter::CancelRun() {
    run_.Cancel();
}

void SpreadPresenter::ResultsClosed() {
    if (resultsShown_)
        boxes_.WindowClosed();
    resultsShown_ = false;
}

void SpreadPresenter::Clear() {
    CancelRun();
    if (HasBand())
        session_.SetBand(nullptr);
}

void SpreadPresenter::CopyResults() {
    if (HasBand())
        if (!view_.SetClipboardText(SpreadResultsText(*Band())))
            boxes_.ShowError(kCopyResultsClipboardBusy);
}

void SpreadPresenter::SaveBand() {
    Guarded([this] {
        if (!HasBand())
            return;
        DialogFolder& folder = session_.Folder();
        const std::filesystem::path path =
            chooser_->SaveFileName({kSaveSpreadCaption, kSpreadCsvFilter, kCsvExtension,
                                    kSuggestedSpreadName, folder.Start()});
        if (path.empty())
            return;
        folder.Used(path);
        if (IsOpenStageFile(path, session_.File()))
            return boxes_.ShowError(SaveFailureText(path, kSpreadOverStageFile));
        const std::shared_ptr<const SpreadResult> band = Band();
        const std::string failure =
            WriteFileSafely(path, [&](std::ostream& out) { WriteSpreadCsv(*band, out); });
        if (!failure.empty())
            boxes_.ShowError(failure);
    });
}
