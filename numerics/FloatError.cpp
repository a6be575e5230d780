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

// The status flags of the three watched conditions, at the same bits of the x87 status word and
// of the SSE control and status register (MXCSR). They are read and cleared with the instructions
// themselves: the C runtime of MinGW-w64 asks CPUID whether SSE exists at every fetestexcept and
// feclearexcept, which costs far more than the arithmetic between two tests.
constexpr unsigned kInvalidFlag = 0x01;
constexpr unsigned kDivisionByZeroFlag = 0x04;
constexpr unsigned kOverflowFlag = 0x08;
constexpr unsigned kWatchedFlags = kInvalidFlag | kDivisionByZeroFlag | kOverflowFlag;

// The "memory" clobbers keep every computation whose result is stored before a read of the flags
// before it, as a call of the C runtime would.
unsigned RaisedFlags() noexcept {
    std::uint16_t x87 = 0;
    std::uint32_t sse = 0;
    asm volatile("fnstsw %0" : "=m"(x87) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(sse) : : "memory");
    return (x87 | sse) & kWatchedFlags;
}

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
    return RaisedFlags() != 0;
}

void ClearFloatFlags() noexcept {
    // fnclex clears the x87's other flags too (inexact, underflow, denormal), which nothing reads.
    std::uint32_t sse = 0;
    asm volatile("stmxcsr %0" : "=m"(sse) : : "memory");
    sse &= ~kWatchedFlags;
    asm volatile("ldmxcsr %0\n\tfnclex" : : "m"(sse) : "memory");
}

void RaiseIfFloatFlagged() {
    const unsigned raised = RaisedFlags();
    if (raised == 0)
        return;
    // One operation raises one of these at a time (an overflow may come with inexact, which is
    // not watched); the order only matters for flags left over from several operations.
    if (raised & kInvalidFlag)
        RaiseFloatError(FloatErrorKind::InvalidOperation);
    if (raised & kDivisionByZeroFlag)
        RaiseFloatError(FloatErrorKind::DivisionByZero);
    RaiseFloatError(FloatErrorKind::Overflow);
}
