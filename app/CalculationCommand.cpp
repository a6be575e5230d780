#include "CalculationCommand.h"

#include "numerics/CheckedArithmetic.h"
#include "numerics/NumberText.h"

#include <cmath>

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

// Rows of the parameter grid, column 1.
enum ParameterRow { kR1 = 1, kR2, kR3, kR4, kR5, kC1, kC2, kC3, kC4, kC5, kK0, kRin, kF1 };

// Converts the text to a number and writes the number back in normal form at once, so that an
// unreadable entry shows 0.
double ReadParameter(CalcWindow& window, int row) {
    const double value = TextToNumber(window.CellText(1, row), 0);
    window.SetCellText(1, row, NumberToText(value));
    return value;
}

double ReadSweep(CalcWindow& window, SweepEdit edit) {
    const double value = TextToNumber(window.EditText(edit), 0);
    window.SetEditText(edit, NumberToText(value));
    return value;
}

// Reads every value, stopping at the first one refused. Returns false after showing why.
bool ReadInput(CalcWindow& window, CalcState& s) {
    const auto refuse = [&](const std::string& text) {
        window.ShowMessage(text);
        return false;
    };
    // Only exact zeros are refused: negative values pass.
    if ((s.R1 = ReadParameter(window, kR1)) == 0)
        return refuse(kInputShorted);
    s.R2 = ReadParameter(window, kR2);
    if ((s.R3 = ReadParameter(window, kR3)) == 0)
        return refuse(kInputShorted);
    s.R4 = ReadParameter(window, kR4);
    s.R5 = ReadParameter(window, kR5);
    if ((s.C1 = ReadParameter(window, kC1)) == 0)
        return refuse(kNoSignalThroughC1);
    s.C2 = ReadParameter(window, kC2);
    s.C3 = ReadParameter(window, kC3);
    s.C4 = ReadParameter(window, kC4);
    s.C5 = ReadParameter(window, kC5);
    if ((s.k0 = ReadParameter(window, kK0)) == 0)
        return refuse(kNoGain);
    if ((s.Rin = ReadParameter(window, kRin)) == 0)
        return refuse(kNoInputResistance);
    if ((s.f1 = ReadParameter(window, kF1)) == 0)
        return refuse(kNoUnityGainFrequency);
    const bool decade = s.Sweep == SweepKind::Decade;
    s.fmin = ReadSweep(window, SweepEdit::EdOt);
    // A decade sweep multiplies up from the start: it must be above zero.
    if (decade && !(s.fmin > 0))
        return refuse(kDecadeStartPrefix + NumberToText(s.fmin) + kDecadeStartSuffix);
    if (s.fmin == 0)
        return refuse(kNoStartFrequency);
    if ((s.fmax = ReadSweep(window, SweepEdit::EdDo)) == 0)
        return refuse(kNoEndFrequency);
    s.df = ReadSweep(window, SweepEdit::EdDf);
    if (decade && !(s.df >= 1 && s.df <= kMaxPointsPerDecade && s.df == std::floor(s.df)))
        return refuse(kPointsPerDecadePrefix + NumberToText(s.df) + kPointsPerDecadeSuffix);
    if (!decade && !(s.df > 0))
        return refuse(kStepPrefix + NumberToText(s.df) + kBadStepSuffix);
    if (s.fmax < s.fmin)
        return refuse(kEndBelowStart);
    return true;
}

// The i-th sweep frequency, formed from the start and i in extended precision, never from the
// frequency before it: a million steps add no drift. `step` is in Hz, or points per decade.
double SweepFrequency(SweepKind kind, int32_t i, double fmin, double step) {
    if (kind == SweepKind::Decade)
        return Store(Extended(fmin) * std::pow(10.0L, Extended(i) / step));
    return Store(Extended(i) * step + fmin);
}

// The sweep: `formed` frequencies formed from fmin, then fmax itself when the last of them falls
// short of it, so the end frequency is always in the list.
struct SweepPlan {
    int32_t formed;
    int32_t count;
};

// False when there would be more than kMaxSweepFrequencies; judged on the extended quotient, so a
// huge one never reaches the integer conversion.
bool PlanLinearSweep(double fmin, double fmax, double df, SweepPlan& sweep) {
    const Extended steps = (Extended(fmax) - fmin) / df;
    if (!(steps < kMaxSweepFrequencies))
        return false;
    int32_t wholeSteps = FloorToInt32(steps);
    // The quotient is rounded, and may round up to a whole number of steps whose last frequency,
    // as stored, lies past the end. No sweep frequency lies beyond fmax.
    const auto at = [&](int32_t i) { return SweepFrequency(SweepKind::Linear, i, fmin, df); };
    while (wholeSteps > 0 && at(wholeSteps) > fmax)
        --wholeSteps;
    sweep.formed = wholeSteps + 1;
    sweep.count = sweep.formed + (at(wholeSteps) < fmax);
    return sweep.count <= kMaxSweepFrequencies;
}

// fmin·10^(i/n) for as long as it lies below the end by more than a billionth, so that a
// frequency that is the end but for rounding is not listed beside it; then the end. The count is
// judged from the logarithm first, so a sweep over hundreds of decades is refused unformed, then
// settled on the frequencies as stored.
bool PlanDecadeSweep(double fmin, double fmax, double n, SweepPlan& sweep) {
    const Extended end = Extended(fmax) * (1 - 1E-9L);
    const Extended below = n * std::log10(end / fmin);
    if (!(below < kMaxSweepFrequencies))
        return false;
    const auto under = [&](int32_t i) {
        return SweepFrequency(SweepKind::Decade, i, fmin, n) < end;
    };
    int32_t formed = std::max(0, FloorToInt32(below) + 1);
    while (formed > 0 && !under(formed - 1))
        --formed;
    while (under(formed))
        ++formed;
    sweep = {formed, formed + 1};
    return sweep.count <= kMaxSweepFrequencies;
}

void BuildSweep(CalcState& s, const SweepPlan& sweep) {
    s.Frequencies.resize(static_cast<size_t>(sweep.count));
    for (int32_t i = 0; i < sweep.formed; ++i)
        s.Frequencies[static_cast<size_t>(i)] = SweepFrequency(s.Sweep, i, s.fmin, s.df);
    if (sweep.count > sweep.formed)
        s.Frequencies.back() = s.fmax;
    s.Count = sweep.count;
}

EnteredInput Entered(const CalcState& s) {
    return {{s.R1, s.R2, s.R3, s.R4, s.R5, s.C1, s.C2, s.C3, s.C4, s.C5, s.k0, s.Rin, s.f1},
            s.Sweep,
            s.fmin,
            s.fmax,
            s.df};
}

// Units of entry to Ω, F and Hz. The input resistance loads both inputs of the amplifier, so it is
// merged into R1 and into R3. Each operation is checked: an overflow here stops the command.
void ConvertToBaseUnits(CalcState& s) {
    using X = CheckedExtended;
    ClearFloatFlags();
    s.R1 = Store(X(s.R1) * 1000);
    s.Rin = Store(X(s.Rin) * 1E6);
    s.R1 = Store(X(s.R1) * s.Rin / (X(s.R1) + s.Rin));
    s.R2 = Store(X(s.R2) * 1000);
    s.R3 = Store(X(s.R3) * 1000);
    s.R3 = Store(X(s.Rin) * s.R3 / (X(s.Rin) + s.R3));
    s.R4 = Store(X(s.R4) * 1000);
    s.R5 = Store(X(s.R5) * 1000);
    s.C1 = Store(X(s.C1) / 1E6);
    s.C3 = Store(X(s.C3) / 1E6);
    s.C2 = Store(X(s.C2) * 1E-12L);
    s.C4 = Store(X(s.C4) * 1E-12L);
    s.C5 = Store(X(s.C5) * 1E-12L);
    s.f1 = Store(X(s.f1) * 1E6);
}

} // namespace

double Decibel(double ratio) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return Store(X(20) * Log10(X(ratio))); });
}

const char* SweepLabelText(SweepKind sweep) {
    // The words stand over the fields EdOt, EdDo and EdDf.
    return sweep == SweepKind::Decade
               ? "от                          до                 точек на декаду"
               : "от                          до                 с  шагом";
}

void BuRasClick(CalcWindow& window, CalcState& s, SweepKind sweepKind) {
    s.Sweep = sweepKind;
    if (!ReadInput(window, s))
        return;
    SweepPlan sweep{};
    const bool planned = s.Sweep == SweepKind::Decade
                             ? PlanDecadeSweep(s.fmin, s.fmax, s.df, sweep)
                             : PlanLinearSweep(s.fmin, s.fmax, s.df, sweep);
    if (!planned) {
        // Named as the third field is labelled: a step, or points per decade.
        const char* field = s.Sweep == SweepKind::Decade ? kPointsPerDecadePrefix : kStepPrefix;
        window.ShowMessage(field + NumberToText(s.df) + kTooManyPointsSuffix);
        return;
    }

    s.Computed = 0;
    BuildSweep(s, sweep);
    const auto count = static_cast<size_t>(s.Count);
    s.Ratio.resize(count);
    s.Decibels.resize(count);
    ResultTable& table = window.Results();
    table.SetRowCount(s.Count + 1);
    table.ShowFrequencies(s.Count);
    table.ShowGains(0);
    // A sweep of one or two points draws no useful curve; the button is never disabled here.
    if (s.Count > 2)
        window.SetGraphEnabled(true);

    size_t done = 0;
    try {
        // Checked operation by operation, so no flag is left up for the sweep to mistake for its
        // own.
        const EnteredInput entered = Entered(s);
        ConvertToBaseUnits(s);
        s.Swept = s;
        s.Entered = entered;
        for (; done < count; ++done) {
            const double ratio = ComplexAbs(StageGain(s.Frequencies[done], s));
            s.Ratio[done] = ratio;
            s.Decibels[done] = Decibel(ratio);
        }
    } catch (...) {
        // The rows computed before the failing frequency stay in the table, and only they are
        // results: the graph draws no gains of an earlier calculation.
        s.Computed = static_cast<int32_t>(done);
        table.ShowGains(s.Computed);
        window.CalculationEnded();
        throw;
    }
    s.Computed = s.Count;
    table.ShowGains(s.Count);

    s.LogScale = window.LogScaleChecked();
    window.CalculationEnded();
}
