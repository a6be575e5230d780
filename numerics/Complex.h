#pragma once

// Complex arithmetic on impedances and gains, by the textbook formulas: no scaling against
// overflow and no special cases, so a zero divisor is a floating-point error.

struct TComplex {
    double Re;
    double Im;
};

TComplex MakeComplex(double re, double im);
TComplex RealToComplex(double x);
TComplex ComplexAdd(const TComplex& a, const TComplex& b);
TComplex ComplexMul(const TComplex& a, const TComplex& b);
TComplex ComplexDiv(const TComplex& a, const TComplex& b);
double ComplexAbs(const TComplex& a);
// Two impedances in parallel: a·b / (a + b).
TComplex ComplexParallel(const TComplex& a, const TComplex& b);
// Voltage divider with series element a and shunt element b: b / (a + b).
TComplex ComplexDivider(const TComplex& a, const TComplex& b);
