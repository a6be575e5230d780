#include "CalculationTexts.h"

#include "numerics/NumberText.h"

namespace {

// The refusals, as the user reads them.
constexpr const char* kInputShorted = "что, в самом деле вход закорочен?";
constexpr const char* kNoSignalThroughC1 = "через С1=0 сигнал не пройдет";
constexpr const char* kNoGain = "сколько-сколько К усиления?..";
constexpr const char* kNoInputResistance = "Rвх=0?.. Маловато будет";
constexpr const char* kNoUnityGainFrequency = "f1=0?.. Так не бывает";
constexpr const char* kNoStartFrequency = "fнач=0?..Хотя бы 0.1 Гц";
constexpr const char* kNoEndFrequency = "fкон=0?..Нельзя";
constexpr const char* kEndBelowStart = "fкон<fнач?..Нельзя";
constexpr const char* kStepPrefix = "шаг f=";
constexpr const char* kBadStepSuffix = "?..нельзя";
constexpr const char* kTooManyPointsSuffix = "?..слишком много точек";
constexpr const char* kDecadeStartPrefix = "fнач=";
constexpr const char* kDecadeStartSuffix = "?..для логарифмического шага нужна fнач>0";
constexpr const char* kPointsPerDecadePrefix = "точек на декаду=";
constexpr const char* kPointsPerDecadeSuffix = "?..нужно целое от 1 до 1000000";

} // namespace

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
    }
    return {};
}

const char* SweepLabelText(SweepKind sweep) {
    // The words stand over the fields EdOt, EdDo and EdDf.
    return sweep == SweepKind::Decade
               ? "от                          до                 точек на декаду"
               : "от                          до                 с  шагом";
}
