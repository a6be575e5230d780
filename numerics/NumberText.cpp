#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace {

char32_t PointSeparator() {
    return U'.';
}

char32_t (*separatorSource)() = &PointSeparator;

// The separator while a PinnedDecimalSeparator lives, and how many live.
char32_t pinnedSeparator = U'.';
int pins = 0;

std::string Utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of a number as the user typed it, taken apart: value = sign · 0.digits · 10^exponent,
// with no leading or trailing zeros in `digits`.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    int64_t exponent = 0;
};

// Exponents beyond this are saturated: they are far outside double's range either way.
constexpr int64_t kExponentLimit = 1'000'000'000;

bool ParseDecimal(std::string_view text, std::string_view separator, DecimalNumber& number) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.negative = text[i++] == '-';

    std::string mantissa;
    int64_t pointPosition = -1;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            mantissa += text[i++];
        } else if (pointPosition < 0 && text.substr(i, separator.size()) == separator) {
            pointPosition = static_cast<int64_t>(mantissa.size());
            i += separator.size();
        } else {
            break;
        }
    }
    if (mantissa.empty())
        return false;
    if (pointPosition < 0)
        pointPosition = static_cast<int64_t>(mantissa.size());

    int64_t written = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        if (i == text.size() || !IsDigit(text[i]))
            return false;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            written = std::min(written * 10 + (text[i] - '0'), kExponentLimit);
        if (negativeExponent)
            written = -written;
    }
    if (i != text.size())
        return false;

    const size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos)
        return true; // zero: no digits
    const size_t last = mantissa.find_last_not_of('0');
    number.digits = mantissa.substr(first, last - first + 1);
    number.exponent = written + pointPosition - static_cast<int64_t>(first);
    return true;
}

} // namespace

void SetDecimalSeparatorSource(char32_t (*source)()) {
    separatorSource = source != nullptr ? source : &PointSeparator;
}

char32_t DecimalSeparator() {
    return pins > 0 ? pinnedSeparator : separatorSource();
}

std::string DecimalSeparatorText() {
    return Utf8(DecimalSeparator());
}

PinnedDecimalSeparator::PinnedDecimalSeparator() {
    if (pins == 0)
        pinnedSeparator = separatorSource();
    ++pins;
}

PinnedDecimalSeparator::~PinnedDecimalSeparator() {
    --pins;
}

double TextToNumber(std::string_view text, double fallback) {
    return TextToNumber(text, fallback, DecimalSeparator());
}

double TextToNumber(std::string_view text, double fallback, char32_t separator) {
    DecimalNumber number;
    if (!ParseDecimal(text, Utf8(separator), number))
        return fallback;
    const double zero = number.negative ? -0.0 : 0.0;
    if (number.digits.empty())
        return zero;
    // 0.d·10^e lies in [10^(e-1), 10^e): far outside these bounds no conversion is needed.
    if (number.exponent > 310)
        return fallback;
    if (number.exponent < -330)
        return zero;

    std::string normal = number.negative ? "-0." : "0.";
    normal += number.digits;
    normal += 'e';
    normal += std::to_string(number.exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range)
        return number.exponent > 0 ? fallback : zero; // too large for a double, or below its least
    if (error != std::errc() || end != normal.data() + normal.size())
        return fallback;
    return value;
}

namespace {

// The 15 significant digits of a finite, non-zero |value|, correctly rounded, and the decimal
// exponent of the first: |value| ≈ d.dddddddddddddd · 10^exponent.
struct Digits15 {
    char digits[15];
    int exponent;
};

Digits15 FifteenDigits(double magnitude) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14)
            .ptr;
    // buffer: d.ddddddddddddddde±xx
    Digits15 result{};
    result.digits[0] = buffer[0];
    for (int k = 1; k < 15; ++k)
        result.digits[k] = buffer[k + 1];
    int exponent = 0;
    std::from_chars(buffer + 17 + (buffer[17] == '+'), end, exponent);
    result.exponent = exponent;
    return result;
}

// Rounding DBL_MAX and its neighbours to 15 digits goes above DBL_MAX, and that text would read
// back as no number at all; those few values are cut to 15 digits instead, so every text this
// writes reads back.
Digits15 ReadableDigits(double magnitude) {
    Digits15 d = FifteenDigits(magnitude);
    if (d.exponent == 308 && std::string_view(d.digits, 15) > "179769313486231") {
        const std::string_view cut = "179769313486231";
        std::copy(cut.begin(), cut.end(), d.digits);
    }
    return d;
}

} // namespace

std::string NumberToText(double value) {
    return NumberToText(value, DecimalSeparator());
}

std::string NumberToText(double value, char32_t separator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    const Digits15 d = ReadableDigits(std::fabs(value));
    int count = 15;
    while (count > 1 && d.digits[count - 1] == '0')
        --count;
    const std::string separatorText = Utf8(separator);

    std::string text = value < 0 ? "-" : "";
    if (d.exponent >= -4 && d.exponent < 15) {
        if (d.exponent < 0) {
            text += '0';
            text += separatorText;
            text.append(static_cast<size_t>(-d.exponent - 1), '0');
            text.append(d.digits, static_cast<size_t>(count));
        } else {
            const int whole = d.exponent + 1;
            for (int k = 0; k < whole; ++k)
                text += k < count ? d.digits[k] : '0';
            if (count > whole) {
                text += separatorText;
                text.append(d.digits + whole, static_cast<size_t>(count - whole));
            }
        }
    } else {
        text += d.digits[0];
        if (count > 1) {
            text += separatorText;
            text.append(d.digits + 1, static_cast<size_t>(count - 1));
        }
        text += 'E';
        text += std::to_string(d.exponent);
    }
    return text;
}
