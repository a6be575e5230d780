#pragma once

#include <string>
#include <string_view>

// The texts of every number the user types or sees (UTF-8), with the decimal separator of the
// user's locale, asked afresh at every call. The C library's locale is never consulted, so the
// texts do not change with the process locale.

// Installs the function that tells the separator; by default it is '.'.
void SetDecimalSeparatorSource(char32_t (*source)());
char32_t DecimalSeparator();
// The same, as UTF-8 text.
std::string DecimalSeparatorText();

// While one lives, the separator is the one asked when the first was made: a table written out
// whole has one separator throughout, and the locale is asked once, not a million times.
class PinnedDecimalSeparator {
  public:
    PinnedDecimalSeparator();
    ~PinnedDecimalSeparator();
    PinnedDecimalSeparator(const PinnedDecimalSeparator&) = delete;
    PinnedDecimalSeparator& operator=(const PinnedDecimalSeparator&) = delete;
};

// Blanks around, an optional sign, digits with at most one separator, an optional exponent
// (E or e, optional sign, digits), nothing else. Anything else, an empty text, or a number
// beyond the range of double gives `fallback`. Raises no floating-point error.
double TextToNumber(std::string_view text, double fallback);
// The same with the given separator, whatever the user's: for files read on any system.
double TextToNumber(std::string_view text, double fallback, char32_t separator);

// General format: up to 15 significant digits, no trailing zeros or separator; fixed notation
// from 0.0001 up to below 1E15, otherwise 1E-5, 2.5E20. Zero (of either sign) is 0; NaN and the
// infinities are NAN, INF and -INF.
std::string NumberToText(double value);
// The same with the given separator, whatever the user's: for files read on any system.
std::string NumberToText(double value, char32_t separator);
