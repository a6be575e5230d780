#include "CharacteristicPoints.h"

#include "CalculationCommand.h"
#include "ResultTable.h"
#include "analysis/CharacteristicSearch.h"
#include "numerics/CheckedArithmetic.h"

std::optional<CharacteristicPoints> FindCharacteristicPoints(const CalcState& s) {
    const int32_t rows = ComputedRows(s);
    if (rows == 0)
        return std::nullopt;
    const StageParameters& stage = s.Swept;
    const PeakAndEdges found = FindPeakAndEdges(
        rows, [&](int32_t i) { return s.Frequencies[static_cast<size_t>(i)]; },
        [&](int32_t i) { return s.Ratio[static_cast<size_t>(i)]; },
        [&](double f) { return ComplexAbs(StageGain(f, stage)); });
    return CharacteristicPoints{found.Peak.frequency, found.Peak.ratio, Decibel(found.Peak.ratio),
                                found.LowerEdge, found.UpperEdge};
}

std::string CharacteristicPointsText(const CharacteristicPoints& p) {
    const auto edge = [](const char* side, const std::optional<double>& f) {
        return std::string("\n") + side +
               " граница −3 дБ: " + (f ? GainText(*f) + " Гц" : std::string("нет в диапазоне"));
    };
    std::string text = "Максимум: |k| = " + GainText(p.PeakRatio) + " (" +
                       GainText(p.PeakDecibels) + " дБ) при f = " + GainText(p.PeakFrequency) +
                       " Гц" + edge("Нижняя", p.LowerEdge) + edge("Верхняя", p.UpperEdge);
    if (p.LowerEdge && p.UpperEdge)
        text += "\nПолоса: " + GainText(Store(Extended(*p.UpperEdge) - *p.LowerEdge)) + " Гц";
    return text;
}
