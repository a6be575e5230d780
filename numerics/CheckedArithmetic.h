#pragma once

#include "Extended.h"
#include "FloatError.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>

// Numeric code that can fail is written once, as a template over its scalar type X, and run in
// two ways (see EvaluateWithFloatChecks):
//  - X = Extended, the fast path: plain x87 arithmetic, the status flags tested once at the end;
//  - X = CheckedExtended, only when a flag came up: the same arithmetic with the flags tested
//    after every operation, so that the error raised names the first operation that failed, as a
//    processor with unmasked exceptions would.
// Testing the flags costs more than the arithmetic between two tests, hence the two paths.

class CheckedExtended {
  public:
    CheckedExtended(int v) : v_(v) {}
    CheckedExtended(double v) : v_(v) {}
    CheckedExtended(Extended v) : v_(v) {}

    Extended Value() const { return v_; }

    friend CheckedExtended operator+(CheckedExtended a, CheckedExtended b) {
        volatile Extended x = a.v_, y = b.v_;
        return Settled(x + y);
    }
    friend CheckedExtended operator-(CheckedExtended a, CheckedExtended b) {
        volatile Extended x = a.v_, y = b.v_;
        return Settled(x - y);
    }
    friend CheckedExtended operator*(CheckedExtended a, CheckedExtended b) {
        volatile Extended x = a.v_, y = b.v_;
        return Settled(x * y);
    }
    friend CheckedExtended operator/(CheckedExtended a, CheckedExtended b) {
        volatile Extended x = a.v_, y = b.v_;
        return Settled(x / y);
    }
    // Sign changes and comparisons cannot fail on the values that reach them.
    friend CheckedExtended operator-(CheckedExtended a) { return CheckedExtended(-a.v_); }
    friend bool operator<(CheckedExtended a, CheckedExtended b) { return a.v_ < b.v_; }
    friend bool operator>(CheckedExtended a, CheckedExtended b) { return a.v_ > b.v_; }
    friend bool operator>=(CheckedExtended a, CheckedExtended b) { return a.v_ >= b.v_; }

    // Each result passes through a volatile, so the operation has finished, and no later one has
    // started, when the flags are read.
    static CheckedExtended Settled(Extended r) {
        volatile Extended kept = r;
        RaiseIfFloatFlagged();
        return CheckedExtended(static_cast<Extended>(kept));
    }

  private:
    Extended v_;
};

// --- The operations the templates use, for both scalar types ---

inline Extended Sqrt(Extended x) {
    return std::sqrt(x);
}
inline CheckedExtended Sqrt(CheckedExtended x) {
    volatile Extended v = x.Value();
    return CheckedExtended::Settled(std::sqrt(static_cast<Extended>(v)));
}

inline Extended Log10(Extended x) {
    return std::log10(x);
}
inline CheckedExtended Log10(CheckedExtended x) {
    volatile Extended v = x.Value();
    return CheckedExtended::Settled(std::log10(static_cast<Extended>(v)));
}

inline Extended Abs(Extended x) {
    return std::fabs(x);
}
inline CheckedExtended Abs(CheckedExtended x) {
    return std::fabs(x.Value());
}

// Round to the nearest integer, halves to even (the default rounding mode, never changed).
// rint, not nearbyint: nearbyint saves and restores the whole floating-point environment, which
// costs forty times the rounding (it dominated writing a table of a million rows); the inexact
// flag rint may add is not one we watch.
inline Extended RoundHalfEven(Extended x) {
    return std::rint(x);
}
inline CheckedExtended RoundHalfEven(CheckedExtended x) {
    return std::rint(x.Value());
}

// An integral value as a 32-bit integer. One with no such integer (NaN, or out of range) is an
// invalid operation, as the processor's integer store reports it.
inline int32_t StoreInt32(Extended whole) {
    if (whole >= -2147483648.0L && whole <= 2147483647.0L)
        return static_cast<int32_t>(whole);
    std::feraiseexcept(FE_INVALID);
    return INT32_MIN; // the processor's "integer indefinite"
}
inline int32_t CheckedInt32(int32_t stored) {
    RaiseIfFloatFlagged();
    return stored;
}

// Largest integer not above x.
inline int32_t FloorToInt32(Extended x) {
    return StoreInt32(std::floor(x));
}
inline int32_t FloorToInt32(CheckedExtended x) {
    return CheckedInt32(FloorToInt32(x.Value()));
}

// Nearest integer, halves to even. rint is nearbyint without its saving of the environment; the
// inexact flag it may add is not one we watch.
inline int32_t RoundToInt32(Extended x) {
    return StoreInt32(std::rint(x));
}
inline int32_t RoundToInt32(CheckedExtended x) {
    return CheckedInt32(RoundToInt32(x.Value()));
}

// Rounds to double where a value is stored; a value beyond double's range overflows here.
inline double Store(Extended x) {
    return static_cast<double>(x);
}
inline double Store(CheckedExtended x) {
    volatile double stored = static_cast<double>(x.Value());
    RaiseIfFloatFlagged();
    return stored;
}

// 10^k by repeated multiplication in extended precision; for negative k, 1 / 10^|k|. Past
// 10^4933 the extended format has overflowed to infinity: more steps would change nothing.
template <class X> X PowerOfTen(int32_t k) {
    constexpr int64_t kSteps = 4940;
    X p = 1;
    for (int64_t i = 0, n = std::min(k < 0 ? -int64_t{k} : int64_t{k}, kSteps); i < n; ++i)
        p = p * 10;
    return k < 0 ? X(1) / p : p;
}

// --- Running an evaluation on the two paths ---

template <class X> struct ScalarTag { using type = X; };

// `evaluation` is a generic callable taking ScalarTag<X>; its result must be trivially copyable.
template <class Evaluation> auto EvaluateWithFloatChecks(const Evaluation& evaluation) {
    auto result = evaluation(ScalarTag<Extended>{});
    // The result must be complete before the flags are read.
    asm volatile("" : : "m"(result) : "memory");
    if (FloatFlagRaised()) [[unlikely]] {
        // Either this evaluation failed, and the checked run throws at its first failing
        // operation, or the flags were left up by code outside ours, and it returns normally.
        ClearFloatFlags();
        evaluation(ScalarTag<CheckedExtended>{});
        ClearFloatFlags();
    }
    return result;
}
