#include "FloatError.h"

#include <cfenv>
#include <cstdint>

namespace {

// The x87 control word: exception masks in bits 0-5, precision control in bits 8-9 (3 = 64-bit
// mantissa). Read and written with the instructions themselves, so that the same code serves
// every x86 C runtime.
constexpr std::uint16_t kAllExceptionsMasked = 0x3F;
constexpr std::uint16_t kExtendedPrecision = 0x300;

std::uint16_t X87ControlWord() noexcept {
    std::uint16_t control = 0;
    asm volatile("fnstcw %0" : "=m"(control));
    return control;
}

void SetX87ControlWord(std::uint16_t control) noexcept {
    asm volatile("fldcw %0" : : "m"(control));
}

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
    // Windows starts threads with a 53-bit mantissa; the x87 intermediates need all 64.
    SetX87ControlWord(X87ControlWord() | kExtendedPrecision | kAllExceptionsMasked);
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
