#include "GraphReadout.h"

#include "ResultTable.h"
#include "numerics/CheckedArithmetic.h"
#include "plot/mGraf.h"

// log10 for the whole series in one evaluation: reading the flags after each logarithm would
// stall the x87 and cost more than the logarithm itself.
arDouble Log10Series(const arDouble& frequencies, int32_t count) {
    arDouble logarithms(static_cast<size_t>(count));
    EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) {
        for (size_t i = 0; i < logarithms.size(); ++i)
            logarithms[i] = Store(Log10(X(frequencies[i])));
        return 0;
    });
    return logarithms;
}

std::optional<GraphPoint> PointUnderPointer(const CalcState& s, ClipRect area, int32_t x) {
    const int32_t rows = ComputedRows(s);
    if (rows == 0)
        return std::nullopt;
    try {
        const arDouble abscissae =
            s.LogScale ? Log10Series(s.Frequencies, rows)
                       : arDouble(s.Frequencies.begin(), s.Frequencies.begin() + rows);
        const ChartAxis axis = HorizontalAxis(abscissae, kGraphDivisions, area);
        // The pointer as a position past the margin, comparable with AxisPosition.
        const Extended pointer = Extended(x) - kChartMargin;
        const size_t nearest = EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) {
            size_t best = 0;
            X bestDistance = Abs(AxisPosition<X>(axis, abscissae[0]) - pointer);
            for (size_t i = 1; i < abscissae.size(); ++i) {
                const X distance = Abs(AxisPosition<X>(axis, abscissae[i]) - pointer);
                if (distance < bestDistance) {
                    best = i;
                    bestDistance = distance;
                }
            }
            return best;
        });
        return GraphPoint{s.Frequencies[nearest], s.Ratio[nearest], s.Decibels[nearest]};
    } catch (const FloatingPointError&) {
        return std::nullopt;
    }
}

std::string ReadoutText(const GraphPoint& point) {
    return "f = " + FrequencyText(point.Frequency) + " Гц, |k| = " + GainText(point.Ratio) + " (" +
           GainText(point.Decibels) + " дБ)";
}
