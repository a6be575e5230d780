#include "numerics/FloatError.h"

#include "numerics/CheckedArithmetic.h"

#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Runs an evaluation and returns the text of the error it raised, or "" when none.
template <class Evaluation> std::string ErrorOf(const Evaluation& evaluation) {
    try {
        EvaluateWithFloatChecks(evaluation);
    } catch (const FloatingPointError& e) {
        return e.what();
    }
    return "";
}

TEST(FloatChecks, ReportTheFirstFailingOperation) {
    volatile double zero = 0, minusOne = -1;
    // A division by zero whose infinity later meets inf − inf: the division is reported.
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) {
                  const X inf = X(1) / zero;
                  return Store(inf - inf);
              }),
              "Floating point division by zero");
    // An invalid operation followed by a division by zero: the invalid one is reported.
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) {
                  const X nan = Sqrt(X(minusOne));
                  return Store(nan + X(1) / zero);
              }),
              "Invalid floating point operation");
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) { return Store(Log10(X(zero))); }),
              "Floating point division by zero");
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) { return Store(Log10(X(minusOne))); }),
              "Invalid floating point operation");
}

TEST(FloatChecks, ExtendedIntermediatesOverflowOnlyWhenStored) {
    volatile double big = 1e300;
    // 1e300² fits the extended format; divided back it is an ordinary double.
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) { return Store(X(big) * big / big); }), "");
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) { return Store(X(big) * big); }),
              "Floating point overflow");
}

TEST(FloatChecks, UnderflowAndInexactPassSilently) {
    volatile double tiny = 1e-300;
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) { return Store(X(tiny) * tiny); }), "");
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) { return Store(X(1) / 3); }), "");
}

TEST(FloatChecks, FloorOutsideIntegersIsInvalid) {
    volatile double huge = 1e10;
    EXPECT_EQ(ErrorOf([&]<class X>(ScalarTag<X>) { return FloorToInt32(X(huge)); }),
              "Invalid floating point operation");
    EXPECT_EQ(EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return FloorToInt32(X(-2.5)); }),
              -3);
}

TEST(FloatChecks, FlagsLeftByOtherCodeRaiseNothing) {
    std::feraiseexcept(FE_DIVBYZERO | FE_INVALID);
    EXPECT_EQ(EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) { return Store(X(1) + 2); }), 3);
    EXPECT_FALSE(FloatFlagRaised());
}

TEST(FloatChecks, ModeIsRoundToNearestWithExtendedIntermediates) {
    std::fesetround(FE_UPWARD);
    SetFloatingPointMode();
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    // 1 + 2^-60 survives only with a 64-bit mantissa.
    volatile Extended one = 1;
    EXPECT_NE(one + std::ldexp(1.0L, -60), one);
    EXPECT_FALSE(FloatFlagRaised());
}

TEST(FloatChecks, PowerOfTenIsFormedByRepeatedMultiplication) {
    EXPECT_EQ(PowerOfTen<Extended>(0), 1);
    EXPECT_EQ(PowerOfTen<Extended>(3), 1000);
    EXPECT_EQ(PowerOfTen<Extended>(-2), 1 / 100.0L);
    EXPECT_EQ(Store(PowerOfTen<Extended>(-1)), 0.1);
    // Far beyond the extended range: infinity and zero at once, not two billion steps.
    EXPECT_EQ(PowerOfTen<Extended>(INT32_MAX), std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(PowerOfTen<Extended>(INT32_MIN), 0);
    ClearFloatFlags();
}

} // namespace
