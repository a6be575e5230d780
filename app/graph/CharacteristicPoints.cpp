#include "CharacteristicPoints.h"

#include "analysis/CharacteristicSearch.h"
#include "app/presenters/ResultTable.h"
#include "app/texts/Fill.h"
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
    const auto edge = [](const char* line, const std::optional<double>& f) {
        return "\n" + Fill(line, {{"edge", f ? Fill(kInHertz, {{"frequency", GainText(*f)}})
                                             : std::string(kEdgeOutOfRange)}});
    };
    std::string text = Fill(kCharacteristicPeak, {{"ratio", GainText(p.PeakRatio)},
                                                  {"decibels", GainText(p.PeakDecibels)},
                                                  {"frequency", GainText(p.PeakFrequency)}}) +
                       edge(kCharacteristicLowerEdge, p.LowerEdge) +
                       edge(kCharacteristicUpperEdge, p.UpperEdge);
    if (p.LowerEdge && p.UpperEdge)
        text += "\n" + Fill(kCharacteristicBand,
                            {{"band", GainText(Store(Extended(*p.UpperEdge) - *p.LowerEdge))}});
    return text;
}
