#include "CalculationTexts.h"

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
        return kDecadeStartPrefix + value + kDecadeStartSuffix;
    case RefusalReason::NoStartFrequency:
        return kNoStartFrequency;
    case RefusalReason::NoEndFrequency:
        return kNoEndFrequency;
    case RefusalReason::BadPointsPerDecade:
        return kPointsPerDecadePrefix + value + kPointsPerDecadeSuffix;
    case RefusalReason::BadStep:
        return kStepPrefix + value + kBadStepSuffix;
    case RefusalReason::EndBelowStart:
        return kEndBelowStart;
    case RefusalReason::TooManyPoints:
        return kStepPrefix + value + kTooManyPointsSuffix;
    // Named as the third field is labelled.
    case RefusalReason::TooManyDecadePoints:
        return kPointsPerDecadePrefix + value + kTooManyPointsSuffix;
    }
    return {};
}

const char* SweepLabelText(SweepKind sweep) {
    return sweep == SweepKind::Decade ? kDecadeSweepLabel : kLinearSweepLabel;
}
