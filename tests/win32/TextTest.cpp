#include "ui/win32/Text.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* name;
    std::string utf8;
    std::wstring utf16;
};

class Texts : public testing::TestWithParam<TextCase> {};

// Texts cross the Win32 boundary both ways unchanged.
TEST_P(Texts, CrossTheBoundaryBothWays) {
    EXPECT_EQ(Widen(GetParam().utf8), GetParam().utf16);
    EXPECT_EQ(Narrow(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Utf, Texts,
    testing::Values(TextCase{"Empty", "", L""}, TextCase{"Ascii", "1e5", L"1e5"},
                    TextCase{"Cyrillic", "шаг f=-5?..нельзя",
                             L"\x0448\x0430\x0433 f=-5?..\x043d\x0435\x043b\x044c\x0437\x044f"},
                    TextCase{"BeyondTheBasicPlane", "\xF0\x9D\x9F\x8E", L"\xD835\xDFCE"},
                    TextCase{"EmbeddedNul", std::string("a\0b", 3), std::wstring(L"a\0b", 3)}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(Utf8, OfOneCharacterInEveryLength) {
    EXPECT_EQ(Utf8(U'.'), ".");
    EXPECT_EQ(Utf8(U','), ",");
    EXPECT_EQ(Utf8(U'\u066B'), "\xD9\xAB");     // the Arabic decimal separator
    EXPECT_EQ(Utf8(U'\u2396'), "\xE2\x8E\x96"); // the APL decimal separator
    EXPECT_EQ(Utf8(U'\U0001D7CE'), "\xF0\x9D\x9F\x8E");
}

} // namespace
