#include "numerics/Complex.h"

#include "numerics/FloatError.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

void ExpectComplex(const TComplex& actual, double re, double im) {
    EXPECT_DOUBLE_EQ(actual.Re, re);
    EXPECT_DOUBLE_EQ(actual.Im, im);
}

TEST(Complex, TextbookOperations) {
    ExpectComplex(ComplexAdd({1, 2}, {3, -5}), 4, -3);
    ExpectComplex(ComplexMul({1, 2}, {3, 4}), -5, 10);
    ExpectComplex(ComplexDiv({-5, 10}, {3, 4}), 1, 2);
    EXPECT_EQ(ComplexAbs({3, 4}), 5);
    ExpectComplex(MakeComplex(1.5, -2), 1.5, -2);
    ExpectComplex(RealToComplex(7), 7, 0);
}

TEST(Complex, ParallelAndDivider) {
    ExpectComplex(ComplexParallel({2, 0}, {2, 0}), 1, 0);
    // A capacitor of -j in series with 1 Ω: the divider passes half, with a leading phase.
    ExpectComplex(ComplexDivider({0, -1}, {1, 0}), 0.5, 0.5);
    // Parallel of R and its own conjugate-free capacitor: (1·-j)/(1-j) = (1 - j)/2.
    ExpectComplex(ComplexParallel({1, 0}, {0, -1}), 0.5, -0.5);
}

TEST(Complex, FieldsAreFormedInExtendedPrecision) {
    // x² − 1 with x = 1 + 2^-30: in double the 2^-60 of x² is lost before the subtraction;
    // formed in extended precision it survives and is stored exactly.
    const double x = 1 + std::ldexp(1.0, -30);
    EXPECT_EQ(ComplexMul({x, 1}, {x, 1}).Re, std::ldexp(1.0, -29) + std::ldexp(1.0, -60));
}

TEST(Complex, ZeroDivisorIsAnInvalidOperation) {
    // With b = 0 both numerators are 0 too: the first failing operation is 0/0.
    for (const TComplex a : {TComplex{1, 0}, TComplex{0, 0}, TComplex{-3, 7}}) {
        try {
            ComplexDiv(a, {0, 0});
            FAIL() << "no error";
        } catch (const FloatingPointError& e) {
            EXPECT_STREQ(e.what(), "Invalid floating point operation");
        }
    }
}

TEST(Complex, ResultBeyondDoubleOverflows) {
    try {
        ComplexMul({1e200, 0}, {1e200, 0});
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

} // namespace
