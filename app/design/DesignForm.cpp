#include "DesignForm.h"

#include "app/design/DesignRequest.h"
#include "app/session/AnalysedStage.h"
#include "app/texts/DesignTexts.h"
#include "numerics/NumberText.h"

#include <utility>

DesignForm::DesignForm(StageSession& session, DesignView& view, MessageBoxes& boxes,
                       std::function<double()> clock)
    : session_(session), view_(view), boxes_(boxes), run_(view, boxes, std::move(clock)) {}

void DesignForm::Open() {
    Guarded([this] {
        boxes_.WhileUp([this] { view_.OpenDialog(DesignFieldsFrom(session_.Settings())); });
    });
}

bool DesignForm::Accept(const DesignFields& fields) {
    const DesignFieldsReading reading = DesignSettingsFromFields(fields, session_.Settings());
    if (!reading.Settings) {
        boxes_.ShowMessage(reading.Refusal);
        view_.FocusField(reading.Field);
        return false;
    }
    session_.SetSettings(*reading.Settings);
    Guarded([this] {
        std::optional<SpreadInput> tolerances = AnalysedStage(session_, boxes_);
        if (!tolerances)
            return;
        DesignRequest request = MakeDesignRequest(*tolerances).Request;
        chosen_ = session_.Settings().Design.Chosen;
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
        if (index >= ranked_.size())
            return;
        // The parts chosen go into the form as an opened file's values do; the rest stay as typed.
        Stage stage = session_.Typed();
        const EnteredParameters& values = ranked_[index].Candidate.Values;
        for (size_t part = 0; part < chosen_.size(); ++part)
            if (chosen_[part])
                stage.Parameters[part] = values[part];
        session_.ReplaceStage(stage);
    });
}

void DesignForm::CopyList() {
    if (!view_.SetClipboardText(DesignListText(ranked_, chosen_, DecimalSeparator())))
        boxes_.ShowError(kCopyResultsClipboardBusy);
}
