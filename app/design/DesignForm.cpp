#include "DesignForm.h"

#include "app/design/DesignRequest.h"
#include "app/presenters/MainForm.h"
#include "app/texts/DesignTexts.h"
#include "numerics/NumberText.h"

#include <utility>

DesignForm::DesignForm(DesignView& view, MainForm& main, MessageBoxes& boxes,
                       std::function<double()> clock)
    : view_(view), main_(main), boxes_(boxes), run_(view, boxes, std::move(clock)) {}

void DesignForm::Open() {
    Guarded(
        [this] { boxes_.WhileUp([this] { view_.OpenDialog(DesignFieldsFrom(main_.Spread())); }); });
}

bool DesignForm::Accept(const DesignFields& fields) {
    const DesignFieldsReading reading = DesignSettingsFromFields(fields, main_.Spread());
    if (!reading.Settings) {
        boxes_.ShowMessage(reading.Refusal);
        view_.FocusField(reading.Field);
        return false;
    }
    main_.SetSpread(*reading.Settings);
    Guarded([this] {
        std::optional<SpreadInput> tolerances = main_.TypedStageAnalysis();
        if (!tolerances)
            return;
        DesignRequest request = MakeDesignRequest(*tolerances).Request;
        chosen_ = main_.Spread().Design.Chosen;
        run_.Start([this, request = std::move(request),
                    tolerances = std::move(*tolerances)](SpreadControl& control) {
            outcome_ = RankDesigns(request, tolerances, control);
        });
    });
    return true;
}

void DesignForm::Poll() {
    Guarded([this] {
        if (!run_.Poll())
            return;
        DesignOutcome outcome = std::exchange(outcome_, {});
        if (outcome.Cancelled)
            return;
        ranked_ = std::move(outcome.Ranked);
        const char32_t separator = DecimalSeparator();
        boxes_.WindowOpened();
        view_.ShowResults(DesignSummaryText(ranked_, separator),
                          CandidateLines(ranked_, chosen_, separator));
        boxes_.WindowClosed();
    });
}

void DesignForm::CancelRun() {
    run_.Cancel();
}

void DesignForm::Apply(size_t index) {
    Guarded([&] {
        if (index < ranked_.size())
            main_.ApplyDesign(ranked_[index].Candidate.Values, chosen_);
    });
}

void DesignForm::CopyList() {
    if (!view_.SetClipboardText(DesignListText(ranked_, chosen_, DecimalSeparator())))
        boxes_.ShowError(kCopyResultsClipboardBusy);
}
