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

// The status flags of both units (x87 and SSE) for the three conditions above.
bool FloatFlagRaised() noexcept;
void ClearFloatFlags() noexcept;
// Throws for the condition whose flag is up; does nothing when none is.
void RaiseIfFloatFlagged();
