#include "FloatError.h"

#include <cfenv>

namespace {

constexpr int kWatchedFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

const char* TextOf(FloatErrorKind kind) {
    switch (kind) {
    case FloatErrorKind::DivisionByZero:
        return "Floating point division by zero";
    case FloatErrorKind::InvalidOperation:
        return "Invalid floating point operation";
    case FloatErrorKind::Overflow:
        return "Floating point overflow";
    }
    return "Invalid floating point operation";
}

} // namespace

FloatingPointError::FloatingPointError(FloatErrorKind kind)
    : std::runtime_error(TextOf(kind)), kind_(kind) {}

void RaiseFloatError(FloatErrorKind kind) {
    ClearFloatFlags();
    throw FloatingPointError(kind);
}

bool FloatFlagRaised() noexcept {
    return std::fetestexcept(kWatchedFlags) != 0;
}

void ClearFloatFlags() noexcept {
    std::feclearexcept(kWatchedFlags);
}

void RaiseIfFloatFlagged() {
    const int raised = std::fetestexcept(kWatchedFlags);
    if (raised == 0)
        return;
    // One operation raises one of these at a time (an overflow may come with inexact, which is
    // not watched); the order only matters for flags left over from several operations.
    if (raised & FE_INVALID)
        RaiseFloatError(FloatErrorKind::InvalidOperation);
    if (raised & FE_DIVBYZERO)
        RaiseFloatError(FloatErrorKind::DivisionByZero);
    RaiseFloatError(FloatErrorKind::Overflow);
}
