#pragma once

#include "CheckedArithmetic.h"
#include "Complex.h"

// The complex operations as templates over the scalar type (see CheckedArithmetic.h), for code
// that runs a whole evaluation on the fast path. Every field is formed in extended precision and
// rounded to double when the record is stored. Braced initialisation keeps Re before Im.
namespace complex_ops {

template <class X> TComplex Add(const TComplex& a, const TComplex& b) {
    return {Store(X(a.Re) + b.Re), Store(X(a.Im) + b.Im)};
}

template <class X> TComplex Mul(const TComplex& a, const TComplex& b) {
    return {Store(X(a.Re) * b.Re - X(a.Im) * b.Im), Store(X(b.Re) * a.Im + X(a.Re) * b.Im)};
}

template <class X> TComplex Div(const TComplex& a, const TComplex& b) {
    const X d = X(b.Re) * b.Re + X(b.Im) * b.Im;
    return {Store((X(a.Re) * b.Re + X(a.Im) * b.Im) / d),
            Store((X(b.Re) * a.Im - X(a.Re) * b.Im) / d)};
}

template <class X> double Abs(const TComplex& a) {
    return Store(Sqrt(X(a.Re) * a.Re + X(a.Im) * a.Im));
}

template <class X> TComplex Parallel(const TComplex& a, const TComplex& b) {
    const TComplex sum = Add<X>(a, b);
    const TComplex product = Mul<X>(a, b);
    return Div<X>(product, sum);
}

template <class X> TComplex Divider(const TComplex& a, const TComplex& b) {
    return Div<X>(b, Add<X>(b, a));
}

} // namespace complex_ops
