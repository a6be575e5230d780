#pragma once

#include <stdexcept>

// The three floating-point conditions that abandon a command. Underflow, denormals and inexact
// results pass silently.
enum class FloatErrorKind { DivisionByZero, InvalidOperation, Overflow };

// Raised at the first arithmetic operation that divides by zero, is invalid or overflows.
// what() is the text the error box shows.
class FloatingPointError : public std::runtime_error {
  public:
    explicit FloatingPointError(FloatErrorKind kind);
    FloatErrorKind Kind() const noexcept { return kind_; }

  private:
    FloatErrorKind kind_;
};

[[noreturn]] void RaiseFloatError(FloatErrorKind kind);

// Sets the processor's floating-point mode for the whole run, once at start-up: round to nearest
// (halves to even), x87 intermediates with the full 64-bit mantissa, exceptions masked (they are
// found through the flags), flags clear.
void SetFloatingPointMode() noexcept;

// The status flags of both units (x87 and SSE) for the three conditions above.
bool FloatFlagRaised() noexcept;
void ClearFloatFlags() noexcept;
// Throws for the condition whose flag is up; does nothing when none is.
void RaiseIfFloatFlagged();
