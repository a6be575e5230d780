#include "DesignPresenter.h"

#include "app/design/DesignRequest.h"
#include "app/session/AnalysedStage.h"
#include "app/texts/DesignTexts.h"
#include "numerics/NumberText.h"

#include <utility>

DesignPresenter::DesignPresenter(StageSession& session, DesignView& view, MessageBoxes& boxes,
                                 std::function<double()> clock)
    : session_(session), view_(view), boxes_(boxes), run_(view, boxes, std::move(clock)) {}

void DesignPresenter::Open() {
    Guarded([this] {
        boxes_.WhileUp([this] { view_.OpenDialog(DesignFieldsFrom(session_.Settings())); });
    });
}

bool DesignPresenter::Accept(const DesignFields& fields) {
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
        run_.Start([this, request = std::move(request), tolerances = std::move(*tolerances)](
                       CancelToken& token) { outcome_ = RankDesigns(request, tolerances, token); });
    });
    return true;
}

void DesignPresenter::Poll() {
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

void DesignPresenter::CancelRun() {
    run_.Cancel();
}

void DesignPresenter::Apply(size_t index) {
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

void DesignPresenter::CopyList() {
    if (!view_.SetClipboardText(DesignListText(ranked_, chosen_, DecimalSeparator())))
        boxes_.ShowError(kCopyResultsClipboardBusy);
}
