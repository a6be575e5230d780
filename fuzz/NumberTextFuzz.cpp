// The number texts as a user types them, read with a point, a comma and a separator of more than
// one byte (the Arabic decimal separator U+066B), in the program's floating-point mode. Besides
// not crashing:
// - reading raises none of the floating-point flags that abandon a command;
// - a text that reads gives a finite number, and written in normal form (NumberToText) reads
//   again; the normal form of that is the same text;
// - a text of at most 15 significant digits, which double holds exactly, reads back to the very
//   same double; a longer one to the double of its 15 digits, within 1e-14 of it;
// - with a point, a text that std::from_chars also reads whole gives the same double.

#include "FuzzCheck.h"
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace {

// The significant digits of a text that reads: those before the exponent, less the zeros at
// either end.
size_t SignificantDigits(std::string_view text) {
    std::string digits;
    for (const char c : text.substr(0, text.find_first_of("Ee")))
        if (c >= '0' && c <= '9')
            digits += c;
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return digits.find_last_not_of('0') - first + 1;
}

// With a point, the double std::from_chars reads from the whole text, where the text has only
// the characters of a number typed so and from_chars reads it in the range of double.
std::optional<double> StandardReading(std::string_view text) {
    if (text.find_first_not_of("0123456789.eE+-") != std::string_view::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void CheckWithSeparator(std::string_view text, char32_t separator) {
    ClearFloatFlags();
    const double read = TextToNumber(text, NAN, separator);
    Require(!FloatFlagRaised(), "reading raises no floating-point error");
    if (separator == U'.') {
        const std::optional<double> standard = StandardReading(text);
        Require(!standard || read == *standard, "the text reads as std::from_chars reads it");
    }
    if (std::isnan(read))
        return;
    Require(std::isfinite(read), "a text reads to a finite number");
    const std::string normal = NumberToText(read, separator);
    const double again = TextToNumber(normal, NAN, separator);
    Require(!std::isnan(again), "the normal form reads");
    Require(NumberToText(again, separator) == normal, "the normal form of the normal form is it");
    if (SignificantDigits(text) <= 15)
        Require(again == read, "a text of 15 digits reads back to the same double");
    else
        Require(std::fabs(again - read) <= std::fabs(read) * 1e-14,
                "a longer text reads back to the double of its 15 digits");
}

} // namespace

// The floating-point mode the program runs in.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetFloatingPointMode();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = InputText(data, size);
    for (const char32_t separator : {U'.', U',', U'\u066B'})
        CheckWithSeparator(text, separator);
    return 0;
}
