#include "CalculationTexts.h"

#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

std::string RefusalText(const Refusal& refusal) {
    const std::string value = NumberToText(refusal.Value);
    switch (refusal.Reason) {
    case RefusalReason::InputShorted:
        return kInputShorted;
    case RefusalReason::NoSignalThroughC1:
        return kNoSignalThroughC1;
    case RefusalReason::NoGain:
        return kNoGain;
    case RefusalReason::NoInputResistance:
        return kNoInputResistance;
    case RefusalReason::NoUnityGainFrequency:
        return kNoUnityGainFrequency;
    case RefusalReason::DecadeStartNotAbove0:
        return Fill(kDecadeStartNotAbove0, {{"value", value}});
    case RefusalReason::NoStartFrequency:
        return kNoStartFrequency;
    case RefusalReason::NoEndFrequency:
        return kNoEndFrequency;
    case RefusalReason::BadPointsPerDecade:
        return Fill(kBadPointsPerDecade, {{"value", value}});
    case RefusalReason::BadStep:
        return Fill(kBadStep, {{"value", value}});
    case RefusalReason::EndBelowStart:
        return kEndBelowStart;
    case RefusalReason::TooManyPoints:
        return Fill(kTooManySteps, {{"value", value}});
    // Named as the third field is labelled.
    case RefusalReason::TooManyDecadePoints:
        return Fill(kTooManyDecadePoints, {{"value", value}});
    }
    return {};
}

const char* SweepLabelText(SweepKind sweep) {
    return sweep == SweepKind::Decade ? kDecadeSweepLabel : kLinearSweepLabel;
}
