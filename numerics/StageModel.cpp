#include "StageModel.h"

#include "ComplexArithmetic.h"

namespace {

using namespace complex_ops;

template <class X> TComplex OpenLoop(double k0, double f1, double f, OpAmpPhase phase) {
    const X x = X(f) / f1;
    const X s = X(k0) * k0 - 1;
    const double g = Store(X(1) + x * x * s);
    // Leading, the imaginary part is positive: the gain is k0 / (1 − j·x·√s). Lagging, it is the
    // same part negated, exactly.
    const double imaginary = Store(Sqrt(s) * (X(k0) * x) / g);
    return {Store(X(k0) / g), phase == OpAmpPhase::Lagging ? -imaginary : imaginary};
}

template <class X> TComplex ClosedLoop(const TComplex& k, const TComplex& Zg, const TComplex& Zf) {
    const TComplex beta = Div<X>(Zg, Add<X>(Zg, Zf));
    const TComplex d = Add<X>({1, 0}, Mul<X>(k, beta));
    return Div<X>(k, d);
}

// 1/(jωC) of an ideal capacitor; 2π to extended precision.
template <class X> TComplex Capacitor(double f, double C) {
    return {0, Store(X(-1) / (X(6.283185307179586477L) * f * C))};
}

template <class X> TComplex Stage(double f, const StageParameters& p) {
    const TComplex ZC1 = Capacitor<X>(f, p.C1);
    const TComplex ZC2 = Capacitor<X>(f, p.C2);
    const TComplex ZC5 = Capacitor<X>(f, p.C5);
    const TComplex ZC3 = Capacitor<X>(f, p.C3);
    const TComplex ZC4 = Capacitor<X>(f, p.C4);
    const TComplex S3 = Add<X>(RealToComplex(p.R2), ZC3);
    const TComplex S4 = Add<X>(RealToComplex(p.R5), ZC4);
    const TComplex Zg = Parallel<X>(ZC2, Parallel<X>(RealToComplex(p.R3), S3));
    const TComplex Zf = Parallel<X>(ZC5, Parallel<X>(RealToComplex(p.R4), S4));
    const TComplex k = OpenLoop<X>(p.k0, p.f1, f, p.Phase);
    const TComplex Kc = ClosedLoop<X>(k, Zg, Zf);
    const TComplex H = Divider<X>(ZC1, RealToComplex(p.R1)); // input coupling R1 / (ZC1 + R1)
    return Mul<X>(H, Kc);
}

} // namespace

TComplex OpenLoopGain(double k0, double f1, double f, OpAmpPhase phase) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return OpenLoop<X>(k0, f1, f, phase); });
}

TComplex ClosedLoopGain(const TComplex& k, const TComplex& Zg, const TComplex& Zf) {
    return EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return ClosedLoop<X>(k, Zg, Zf); });
}

TComplex StageGain(double f, const StageParameters& p) {
    return EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return Stage<X>(f, p); });
}
