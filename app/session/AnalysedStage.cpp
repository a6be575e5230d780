#include "AnalysedStage.h"

#include "app/spread/SpreadRequest.h"
#include "app/texts/SpreadTexts.h"

#include <exception>

std::optional<SpreadInput> AnalysedStage(StageSession& session, MessageBoxes& boxes) {
    if (!session.ResultsCurrent()) {
        const SharedResult before = session.Result();
        session.WantCalculation();
        // Refused (the results on show, if any, are still another stage's), or stopped by a
        // fault: its box has been shown.
        if (session.Result() == before || !session.HasResults() || session.Result()->Fault)
            return std::nullopt;
    }
    const SweepResult& result = *session.Result();
    if (result.Fault)
        std::rethrow_exception(result.Fault);
    SpreadInput input = SpreadRequest(result, session.Settings());
    // The limits judged over the sweep, as the analysis judges them.
    if (const SpreadRefusal refusal = CheckSpread(input)) {
        boxes.ShowMessage(SpreadRefusalText(refusal));
        return std::nullopt;
    }
    return input;
}
