#include "FloatError.h"

#include <cfenv>
#include <fpu_control.h>

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

void SetFloatingPointMode() noexcept {
    std::fesetround(FE_TONEAREST);
    fpu_control_t control = 0;
    _FPU_GETCW(control);
    control |= _FPU_EXTENDED; // precision control: 64-bit mantissa
    control |=
        _FPU_MASK_IM | _FPU_MASK_DM | _FPU_MASK_ZM | _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
    _FPU_SETCW(control);
    ClearFloatFlags();
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
