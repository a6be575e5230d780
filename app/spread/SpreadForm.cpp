#include "SpreadForm.h"

#include "app/files/SafeFile.h"
#include "app/presenters/GraphForm.h"
#include "app/presenters/MainForm.h"
#include "app/spread/SpreadReport.h"
#include "app/spread/SpreadResults.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"

#include <utility>

SpreadForm::SpreadForm(SpreadView& view, MainForm& main, MessageBoxes& boxes, FileChooser& chooser,
                       std::function<double()> clock)
    : view_(view), main_(main), boxes_(boxes), chooser_(&chooser),
      run_(view, boxes, std::move(clock)) {}

SpreadForm::~SpreadForm() = default;

void SpreadForm::Open() {
    // A box that comes unasked (a paint's failure) waits until the dialog has closed.
    Guarded([this] {
        boxes_.WhileUp([this] { view_.OpenDialog(FieldsFromSettings(main_.Spread())); });
    });
}

bool SpreadForm::Accept(const SpreadFields& fields) {
    const SpreadFieldsReading reading = SettingsFromFields(fields);
    if (!reading.Settings) {
        boxes_.ShowMessage(reading.Refusal);
        view_.FocusField(reading.Field);
        return false;
    }
    // The dialog holds the analysis's settings; the design's are kept as they were.
    SpreadSettings settings = *reading.Settings;
    settings.Design = main_.Spread().Design;
    main_.SetSpread(settings);
    Guarded([this] {
        // Results on show of the stage as it stands keep the band they may have until the new
        // one comes.
        std::optional<SpreadInput> input = main_.TypedStageAnalysis();
        if (input)
            Start(std::move(*input));
    });
    return true;
}

void SpreadForm::Start(SpreadInput input) {
    run_.Start([this, input = std::move(input)](SpreadControl& control) {
        outcome_ = RunSpread(input, control);
    });
}

void SpreadForm::Poll() {
    Guarded([this] {
        if (!run_.Poll())
            return;
        SpreadOutcome outcome = std::exchange(outcome_, {});
        if (outcome.Cancelled)
            return;
        if (!outcome.Result)
            return boxes_.ShowMessage(SpreadRefusalText(outcome.Refusal));
        ShowBand(std::move(outcome.Result));
        if (!resultsShown_)
            boxes_.WindowOpened();
        resultsShown_ = true;
        view_.ShowResults(SpreadResultsText(*band_), band_);
    });
}

void SpreadForm::CancelRun() {
    run_.Cancel();
}

void SpreadForm::ResultsClosed() {
    if (resultsShown_)
        boxes_.WindowClosed();
    resultsShown_ = false;
}

void SpreadForm::Clear() {
    CancelRun();
    if (band_ != nullptr)
        ShowBand(nullptr);
}

void SpreadForm::ShowBand(std::shared_ptr<const SpreadResult> band) {
    band_ = std::move(band);
    if (graph_ != nullptr)
        graph_->ShowBand(band_);
    main_.SpreadChanged();
}

void SpreadForm::CopyResults() {
    if (band_ != nullptr)
        if (!view_.SetClipboardText(SpreadResultsText(*band_)))
            boxes_.ShowError(kCopyResultsClipboardBusy);
}

void SpreadForm::SaveBand() {
    Guarded([this] {
        if (band_ == nullptr)
            return;
        DialogFolder& folder = main_.Folder();
        const std::filesystem::path path =
            chooser_->SaveFileName({kSaveSpreadCaption, kSpreadCsvFilter, kCsvExtension,
                                    kSuggestedSpreadName, folder.Start()});
        if (path.empty())
            return;
        folder.Used(path);
        if (IsOpenStageFile(path, main_.File()))
            return boxes_.ShowError(SaveFailureText(path, kSpreadOverStageFile));
        const std::shared_ptr<const SpreadResult> band = band_;
        const std::string failure =
            WriteFileSafely(path, [&](std::ostream& out) { WriteSpreadCsv(*band, out); });
        if (!failure.empty())
            boxes_.ShowError(failure);
    });
}
