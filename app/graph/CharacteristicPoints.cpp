#include "CharacteristicPoints.h"

#include "analysis/CharacteristicSearch.h"
#include "app/presenters/ResultTable.h"
#include "app/texts/Texts.h"
#include "calc/Calculation.h"
#include "numerics/CheckedArithmetic.h"

std::optional<CharacteristicPoints> FindCharacteristicPoints(const SweepResult& s) {
    const int32_t rows = s.Computed;
    if (rows == 0)
        return std::nullopt;
    const StageParameters& stage = s.Model;
    const PeakAndEdges found = FindPeakAndEdges(
        rows, [&](int32_t i) { return s.Frequencies[static_cast<size_t>(i)]; },
        [&](int32_t i) { return s.Ratio[static_cast<size_t>(i)]; },
        [&](double f) { return ComplexAbs(StageGain(f, stage)); });
    return CharacteristicPoints{found.Peak.frequency, found.Peak.ratio, Decibel(found.Peak.ratio),
                                found.LowerEdge, found.UpperEdge};
}

std::string CharacteristicPointsText(const CharacteristicPoints& p) {
    const auto edge = [](const char* side, const std::optional<double>& f) {
        return std::string("\n") + side + kEdgeInfix +
               (f ? GainText(*f) + kHertzSuffix : std::string(kEdgeOutOfRange));
    };
    std::string text = kPeakPrefix + GainText(p.PeakRatio) + " (" + GainText(p.PeakDecibels) +
                       kPeakFrequency + GainText(p.PeakFrequency) + kHertzSuffix +
                       edge(kLowerEdge, p.LowerEdge) + edge(kUpperEdge, p.UpperEdge);
    if (p.LowerEdge && p.UpperEdge)
        text += kBandPrefix + GainText(Store(Extended(*p.UpperEdge) - *p.LowerEdge)) + kHertzSuffix;
    return text;
}
