#pragma once

#include <string>
#include <string_view>

// Texts cross the Win32 boundary in UTF-16 and live in the core in UTF-8.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
std::string Utf8(char32_t character);
