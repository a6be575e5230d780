#include "CalculationCommand.h"

#include "numerics/CheckedArithmetic.h"
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
    if ((s.fmin = ReadSweep(window, SweepEdit::EdOt)) == 0)
        return refuse(kNoStartFrequency);
    if ((s.fmax = ReadSweep(window, SweepEdit::EdDo)) == 0)
        return refuse(kNoEndFrequency);
    s.df = ReadSweep(window, SweepEdit::EdDf);
    if (!(s.df > 0))
        return refuse(kStepPrefix + NumberToText(s.df) + kBadStepSuffix);
    if (s.fmax < s.fmin)
        return refuse(kEndBelowStart);
    return true;
}

// The i-th sweep frequency, formed in extended precision.
double SweepFrequency(int32_t i, double fmin, double df) {
    return Store(Extended(i) * df + fmin);
}

// The sweep: whole steps from fmin, then fmax itself when the last step falls short of it, so the
// end frequency is always in the list.
struct Sweep {
    int32_t wholeSteps;
    int32_t count;
};

// False when there would be more than kMaxSweepFrequencies; judged on the extended quotient, so a
// huge one never reaches the integer conversion.
bool PlanSweep(double fmin, double fmax, double df, Sweep& sweep) {
    const Extended steps = (Extended(fmax) - fmin) / df;
    if (!(steps < kMaxSweepFrequencies))
        return false;
    sweep.wholeSteps = FloorToInt32(steps);
    // The quotient is rounded, and may round up to a whole number of steps whose last frequency,
    // as stored, lies past the end. No sweep frequency lies beyond fmax.
    while (sweep.wholeSteps > 0 && SweepFrequency(sweep.wholeSteps, fmin, df) > fmax)
        --sweep.wholeSteps;
    sweep.count = sweep.wholeSteps + 1 + (SweepFrequency(sweep.wholeSteps, fmin, df) < fmax);
    return sweep.count <= kMaxSweepFrequencies;
}

void BuildSweep(CalcState& s, const Sweep& sweep) {
    s.Frequencies.resize(static_cast<size_t>(sweep.count));
    for (int32_t i = 0; i <= sweep.wholeSteps; ++i)
        s.Frequencies[static_cast<size_t>(i)] = SweepFrequency(i, s.fmin, s.df);
    if (sweep.count > sweep.wholeSteps + 1)
        s.Frequencies.back() = s.fmax;
    s.Count = sweep.count;
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

void BuRasClick(CalcWindow& window, CalcState& s) {
    if (!ReadInput(window, s))
        return;
    Sweep sweep{};
    if (!PlanSweep(s.fmin, s.fmax, s.df, sweep)) {
        window.ShowMessage(kStepPrefix + NumberToText(s.df) + kTooManyPointsSuffix);
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
        ConvertToBaseUnits(s);
        s.Swept = s;
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
