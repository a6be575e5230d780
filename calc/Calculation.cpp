#include "Calculation.h"

#include "numerics/CheckedArithmetic.h"

#include <cmath>

namespace {

// Reads the fields in StageField order; each check stops the reading where it stands.
class FieldReader {
  public:
    explicit FieldReader(const Stage& stage) : stage_(stage) {}

    double Read(StageField field) {
        read_ = static_cast<int>(field) + 1;
        return entered_[field] = FieldValue(stage_, field).value_or(0);
    }
    double operator[](StageField field) const { return entered_.at(field); }
    Refusal Refuse(RefusalReason reason, StageField field, double value = 0) const {
        return {reason, field, read_, value};
    }

  private:
    struct Values {
        std::array<double, kStageFieldCount> values{};
        double& operator[](StageField f) { return values[static_cast<size_t>(f)]; }
        double at(StageField f) const { return values[static_cast<size_t>(f)]; }
    };
    const Stage& stage_;
    Values entered_;
    int read_ = 0;
};

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

// The stage's values as read, every one filled.
Stage Entered(const Stage& stage, const FieldReader& read) {
    Stage entered = stage;
    for (size_t i = 0; i < kStageFieldCount; ++i)
        FieldValue(entered, static_cast<StageField>(i)) = read[static_cast<StageField>(i)];
    return entered;
}

// Units of entry to Ω, F and Hz. The input resistance loads both inputs of the amplifier, so it is
// merged into R1 and into R3. Each operation is checked: an overflow here is the result's fault.
StageParameters ConvertToBaseUnits(const FieldReader& v) {
    using X = CheckedExtended;
    using F = StageField;
    ClearFloatFlags();
    StageParameters p{};
    p.R1 = Store(X(v[F::R1]) * 1000);
    const double rin = Store(X(v[F::Rin]) * 1E6);
    p.R1 = Store(X(p.R1) * rin / (X(p.R1) + rin));
    p.R2 = Store(X(v[F::R2]) * 1000);
    p.R3 = Store(X(v[F::R3]) * 1000);
    p.R3 = Store(X(rin) * p.R3 / (X(rin) + p.R3));
    p.R4 = Store(X(v[F::R4]) * 1000);
    p.R5 = Store(X(v[F::R5]) * 1000);
    p.C1 = Store(X(v[F::C1]) / 1E6);
    p.C3 = Store(X(v[F::C3]) / 1E6);
    p.C2 = Store(X(v[F::C2]) * 1E-12L);
    p.C4 = Store(X(v[F::C4]) * 1E-12L);
    p.C5 = Store(X(v[F::C5]) * 1E-12L);
    p.k0 = v[F::k0];
    p.f1 = Store(X(v[F::f1]) * 1E6);
    return p;
}

} // namespace

StageCheck CheckStage(const Stage& stage) {
    using F = StageField;
    using R = RefusalReason;
    FieldReader v(stage);
    if (v.Read(F::R1) == 0)
        return v.Refuse(R::InputShorted, F::R1);
    v.Read(F::R2);
    if (v.Read(F::R3) == 0)
        return v.Refuse(R::InputShorted, F::R3);
    v.Read(F::R4);
    v.Read(F::R5);
    if (v.Read(F::C1) == 0)
        return v.Refuse(R::NoSignalThroughC1, F::C1);
    for (const F c : {F::C2, F::C3, F::C4, F::C5})
        v.Read(c);
    if (v.Read(F::k0) == 0)
        return v.Refuse(R::NoGain, F::k0);
    if (v.Read(F::Rin) == 0)
        return v.Refuse(R::NoInputResistance, F::Rin);
    if (v.Read(F::f1) == 0)
        return v.Refuse(R::NoUnityGainFrequency, F::f1);
    const bool decade = stage.Sweep == SweepKind::Decade;
    const double fmin = v.Read(F::From);
    // A decade sweep multiplies up from the start: it must be above zero.
    if (decade && !(fmin > 0))
        return v.Refuse(R::DecadeStartNotAbove0, F::From, fmin);
    if (fmin == 0)
        return v.Refuse(R::NoStartFrequency, F::From);
    const double fmax = v.Read(F::To);
    if (fmax == 0)
        return v.Refuse(R::NoEndFrequency, F::To);
    const double df = v.Read(F::Step);
    if (decade && !(df >= 1 && df <= kMaxPointsPerDecade && df == std::floor(df)))
        return v.Refuse(R::BadPointsPerDecade, F::Step, df);
    if (!decade && !(df > 0))
        return v.Refuse(R::BadStep, F::Step, df);
    if (fmax < fmin)
        return v.Refuse(R::EndBelowStart, F::To);
    SweepPlan sweep{};
    const bool planned =
        decade ? PlanDecadeSweep(fmin, fmax, df, sweep) : PlanLinearSweep(fmin, fmax, df, sweep);
    if (!planned)
        return v.Refuse(decade ? R::TooManyDecadePoints : R::TooManyPoints, F::Step, df);

    CheckedStage checked;
    checked.Entered = Entered(stage, v);
    try {
        checked.Model = ConvertToBaseUnits(v);
        checked.Model.Phase = stage.Phase;
    } catch (...) {
        checked.ConversionFault = std::current_exception();
    }
    checked.Formed = sweep.formed;
    checked.Count = sweep.count;
    return checked;
}

int FieldsRead(const StageCheck& check) {
    const Refusal* refusal = std::get_if<Refusal>(&check);
    return refusal != nullptr ? refusal->FieldsRead : static_cast<int>(kStageFieldCount);
}

double Decibel(double ratio) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return Store(X(20) * Log10(X(ratio))); });
}

const SharedResult& NoResult() {
    static const SharedResult none = std::make_shared<const SweepResult>();
    return none;
}

SharedResult ComputeSweep(const CheckedStage& stage) {
    auto result = std::make_shared<SweepResult>();
    result->Entered = stage.Entered;
    result->Model = stage.Model;
    const auto field = [&](StageField f) { return *FieldValue(stage.Entered, f); };
    const SweepKind kind = stage.Entered.Sweep;
    const double fmin = field(StageField::From), df = field(StageField::Step);
    const auto count = static_cast<size_t>(stage.Count);
    std::vector<double>& frequencies = result->Frequencies;
    frequencies.resize(count);
    for (int32_t i = 0; i < stage.Formed; ++i)
        frequencies[static_cast<size_t>(i)] = SweepFrequency(kind, i, fmin, df);
    if (stage.Count > stage.Formed)
        frequencies.back() = field(StageField::To);
    result->Ratio.resize(count);
    result->Decibels.resize(count);
    if (stage.ConversionFault) {
        result->Fault = stage.ConversionFault;
        return result;
    }

    size_t done = 0;
    try {
        // The sweep's own rounding may leave a flag up: the gains start from clear flags, so no
        // check mistakes it for theirs.
        ClearFloatFlags();
        for (; done < count; ++done) {
            const double ratio = ComplexAbs(StageGain(frequencies[done], stage.Model));
            result->Ratio[done] = ratio;
            result->Decibels[done] = Decibel(ratio);
        }
    } catch (...) {
        result->Fault = std::current_exception();
    }
    result->Computed = static_cast<int32_t>(done);
    return result;
}
