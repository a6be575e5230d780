#include "Complex.h"

#include "ComplexArithmetic.h"

TComplex MakeComplex(double re, double im) {
    return {re, im};
}

TComplex RealToComplex(double x) {
    return {x, 0.0};
}

TComplex ComplexAdd(const TComplex& a, const TComplex& b) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return complex_ops::Add<X>(a, b); });
}

TComplex ComplexMul(const TComplex& a, const TComplex& b) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return complex_ops::Mul<X>(a, b); });
}

TComplex ComplexDiv(const TComplex& a, const TComplex& b) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return complex_ops::Div<X>(a, b); });
}

double ComplexAbs(const TComplex& a) {
    return EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return complex_ops::Abs<X>(a); });
}

TComplex ComplexParallel(const TComplex& a, const TComplex& b) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return complex_ops::Parallel<X>(a, b); });
}

TComplex ComplexDivider(const TComplex& a, const TComplex& b) {
    return EvaluateWithFloatChecks(
        [&]<class X>(ScalarTag<X>) { return complex_ops::Divider<X>(a, b); });
}
