#include "numerics/NumberText.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

char32_t Point() {
    return U'.';
}
char32_t Comma() {
    return U',';
}
char32_t ArabicSeparator() {
    return U'\u066B';
}

// Every test pins the separator it depends on.
class WithSeparator {
  public:
    explicit WithSeparator(char32_t (*source)()) { SetDecimalSeparatorSource(source); }
    ~WithSeparator() { SetDecimalSeparatorSource(nullptr); }
};

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

class NumberToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberToTextTest, GeneralFormat) {
    WithSeparator point(&Point);
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NumberToTextTest,
    testing::Values(TextCase{"Zero", 0, "0"}, TextCase{"NegativeZero", -0.0, "0"},
                    TextCase{"SmallestFixed", 0.0001, "0.0001"},
                    TextCase{"BelowFixedIsScientific", 0.00001, "1E-5"},
                    TextCase{"Picofarad", 1e-12, "1E-12"},
                    TextCase{"LargestFixed", 123456789012345, "123456789012345"},
                    TextCase{"FromE15Scientific", 1e15, "1E15"},
                    TextCase{"ScientificWithFraction", 2.5e20, "2.5E20"},
                    TextCase{"Fraction", 2.5, "2.5"}, TextCase{"NegativeFraction", -0.5, "-0.5"},
                    TextCase{"Whole", 100, "100"}, TextCase{"FifteenDigits", 0.1 + 0.2, "0.3"},
                    TextCase{"RoundsToFifteen", 1.0 / 3, "0.333333333333333"},
                    TextCase{"RoundingUpCrossesIntoScientific", 999999999999999.9, "1E15"},
                    TextCase{"RoundingUpStaysFixed", 0.000099999999999999999, "0.0001"},
                    TextCase{"NegativeScientific", -3.25e-7, "-3.25E-7"},
                    TextCase{"NaN", std::numeric_limits<double>::quiet_NaN(), "NAN"},
                    TextCase{"Infinity", std::numeric_limits<double>::infinity(), "INF"},
                    TextCase{"MinusInfinity", -std::numeric_limits<double>::infinity(), "-INF"},
                    TextCase{"LargestDoubleStaysReadable", DBL_MAX, "1.79769313486231E308"},
                    TextCase{"Denormal", 4.9406564584124654e-324, "4.94065645841247E-324"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberToText, UsesTheLocaleSeparator) {
    WithSeparator comma(&Comma);
    EXPECT_EQ(NumberToText(2.5), "2,5");
    EXPECT_EQ(NumberToText(-1.25e-9), "-1,25E-9");
    EXPECT_EQ(NumberToText(7), "7");
    WithSeparator arabic(&ArabicSeparator);
    EXPECT_EQ(NumberToText(2.5), "2\u066B5");
}

struct ReadCase {
    const char* name;
    const char* text;
    double expected; // NaN: the fallback
};

class TextToNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(TextToNumberTest, ReadsWithPointSeparator) {
    WithSeparator point(&Point);
    const double fallback = -777;
    const double expected = std::isnan(GetParam().expected) ? fallback : GetParam().expected;
    EXPECT_EQ(TextToNumber(GetParam().text, fallback), expected);
}

constexpr double kFallback = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Examples, TextToNumberTest,
    testing::Values(
        ReadCase{"BlanksAndExponent", " 1E3 ", 1000}, ReadCase{"Empty", "", kFallback},
        ReadCase{"OnlyBlanks", "   ", kFallback}, ReadCase{"Plain", "47", 47},
        ReadCase{"Fraction", "1.5", 1.5}, ReadCase{"PlusSign", "+2", 2},
        ReadCase{"MinusSign", "-0.25", -0.25}, ReadCase{"LeadingPoint", ".5", 0.5},
        ReadCase{"TrailingPoint", "5.", 5}, ReadCase{"LowerExponent", "2e-3", 0.002},
        ReadCase{"SignedExponent", "1.5E+2", 150}, ReadCase{"LoneSeparator", ".", kFallback},
        ReadCase{"ThousandsSeparator", "1,000", kFallback},
        ReadCase{"TwoSeparators", "1.2.3", kFallback},
        ReadCase{"ExponentWithoutDigits", "1E", kFallback},
        ReadCase{"ExponentWithoutMantissa", "E3", kFallback}, ReadCase{"Letters", "abc", kFallback},
        ReadCase{"TrailingGarbage", "12k", kFallback}, ReadCase{"InnerBlank", "1 2", kFallback},
        ReadCase{"Tab", "\t1", kFallback}, ReadCase{"Infinity", "INF", kFallback},
        ReadCase{"NaN", "NAN", kFallback}, ReadCase{"Hex", "0x10", kFallback},
        ReadCase{"BeyondDouble", "1E309", kFallback},
        ReadCase{"FarBeyondDouble", "1E99999999999999999999", kFallback},
        ReadCase{"LongMantissaBackInRange", "0.000000000000000000001E25", 10000},
        ReadCase{"BelowLeastDoubleIsZero", "1E-400", 0},
        ReadCase{"Denormal", "4.94065645841247E-324", 4.9406564584124654e-324},
        ReadCase{"LargestDouble", "1.7976931348623157E308", DBL_MAX}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextToNumber, UsesTheLocaleSeparator) {
    {
        WithSeparator comma(&Comma);
        EXPECT_EQ(TextToNumber("1,5", 0), 1.5);
        EXPECT_EQ(TextToNumber("1.5", 0), 0);
    }
    {
        WithSeparator point(&Point);
        EXPECT_EQ(TextToNumber("1.5", 0), 1.5);
        EXPECT_EQ(TextToNumber("1,5", 0), 0);
    }
    WithSeparator arabic(&ArabicSeparator);
    EXPECT_EQ(TextToNumber("2\u066B5", 0), 2.5);
}

TEST(TextToNumber, NegativeZeroReadsAsZero) {
    EXPECT_EQ(NumberToText(TextToNumber("-0", 1)), "0");
}

// The calculation rewrites every entry in this normal form; a second pass must leave it as it is.
void ExpectNormalFormIsFixedPoint(double x) {
    const std::string text = NumberToText(x);
    const double back = TextToNumber(text, std::numeric_limits<double>::quiet_NaN());
    ASSERT_FALSE(std::isnan(back)) << text << " did not read back";
    ASSERT_EQ(NumberToText(back), text) << "for " << text;
}

TEST(NormalForm, IsAFixedPointForEveryFiniteDouble) {
    WithSeparator comma(&Comma);
    for (double x : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), DBL_MIN, DBL_TRUE_MIN, 1e15,
                     999999999999999.4, 0.0001, 0.00009999999999999999, 1e-5})
        ExpectNormalFormIsFixedPoint(x);

    // Random bit patterns cover every exponent; random decimals cover typical entries.
    std::mt19937_64 random(20261208);
    constexpr int kSamples = 1'000'000;
    for (int i = 0; i < kSamples; ++i) {
        const double x = std::bit_cast<double>(random());
        if (std::isfinite(x))
            ExpectNormalFormIsFixedPoint(x);
        std::uniform_real_distribution<double> typical(-1e6, 1e6);
        ExpectNormalFormIsFixedPoint(typical(random));
    }
}

// The separator a source answers with, and how often it was asked.
char32_t answer = U'.';
int asked = 0;
char32_t CountingSource() {
    ++asked;
    return answer;
}

TEST(PinnedDecimalSeparator, AsksOnceAndHoldsTheAnswerUntilTheLastPinGoes) {
    WithSeparator counting(&CountingSource);
    answer = U',';
    asked = 0;
    {
        const PinnedDecimalSeparator outer;
        answer = U'.'; // the locale changes meanwhile
        EXPECT_EQ(NumberToText(2.5), "2,5");
        {
            const PinnedDecimalSeparator inner;
            EXPECT_EQ(NumberToText(-0.5), "-0,5");
        }
        EXPECT_EQ(TextToNumber("1,5", 0), 1.5);
        EXPECT_EQ(asked, 1);
    }
    EXPECT_EQ(NumberToText(2.5), "2.5");
    EXPECT_EQ(asked, 2);
}

} // namespace
