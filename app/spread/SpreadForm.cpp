#include "SpreadForm.h"

#include "analysis/SpreadReport.h"
#include "app/files/SafeFile.h"
#include "app/presenters/GraphForm.h"
#include "app/presenters/MainForm.h"
#include "app/spread/SpreadRequest.h"
#include "app/spread/SpreadResults.h"
#include "app/texts/Texts.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

SpreadForm::SpreadForm(SpreadView& view, MainForm& main, MessageBoxes& boxes, FileChooser& chooser,
                       std::function<double()> clock)
    : view_(view), main_(main), boxes_(boxes), chooser_(&chooser),
      clock_(clock ? std::move(clock) : SteadySeconds) {}

SpreadForm::~SpreadForm() {
    Join(true);
}

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
        // The stage as "расчет" reads it, refused as it would be. Results on show of the stage as
        // it stands keep the band they may have until the new one comes.
        if (!main_.ResultsCurrent()) {
            main_.Calculate();
            if (!main_.HasResults() || main_.Result().Fault)
                return; // refused, or stopped by a fault: its box has been shown
        }
        if (main_.Result().Fault)
            std::rethrow_exception(main_.Result().Fault);
        SpreadInput input = SpreadRequest(main_.Result(), main_.Spread());
        if (const std::string refusal = CheckSpread(input); !refusal.empty())
            return boxes_.ShowMessage(refusal);
        Start(std::move(input));
    });
    return true;
}

void SpreadForm::Start(SpreadInput input) {
    Join(true);
    control_ = std::make_unique<SpreadControl>();
    ended_ = false;
    outcome_ = {};
    error_ = nullptr;
    progressShown_ = false;
    started_ = clock_();
    worker_ = std::thread([this, input = std::move(input)] {
        try {
            outcome_ = RunSpread(input, *control_);
        } catch (...) {
            error_ = std::current_exception();
        }
        ended_ = true;
    });
    view_.StartPolling();
}

void SpreadForm::Join(bool stop) {
    if (!worker_.joinable())
        return;
    if (stop)
        control_->Cancel = true;
    worker_.join();
}

void SpreadForm::Poll() {
    Guarded([this] {
        if (!Running())
            return view_.StopPolling();
        if (!ended_) {
            if (clock_() - started_ < kSpreadProgressAfter)
                return;
            const int64_t total = std::max<int64_t>(1, control_->Total);
            if (!progressShown_)
                boxes_.WindowOpened();
            progressShown_ = true;
            view_.ShowProgress(
                static_cast<int>(1000 * std::min(control_->Done.load(), total) / total));
            return;
        }
        EndRun(false);
        if (error_)
            std::rethrow_exception(std::exchange(error_, nullptr));
        if (outcome_.Cancelled)
            return;
        if (!outcome_.Result)
            return boxes_.ShowMessage(outcome_.Refusal);
        ShowBand(std::move(outcome_.Result));
        if (!resultsShown_)
            boxes_.WindowOpened();
        resultsShown_ = true;
        view_.ShowResults(SpreadResultsText(*band_), band_);
    });
}

void SpreadForm::CancelRun() {
    if (Running())
        EndRun(true);
}

void SpreadForm::EndRun(bool stop) {
    Join(stop);
    view_.StopPolling();
    if (progressShown_) {
        view_.CloseProgress();
        boxes_.WindowClosed();
    }
    progressShown_ = false;
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
