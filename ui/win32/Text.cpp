#include "Text.h"

#include "WindowsApi.h"

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    std::string narrow(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size,
                                                               nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

std::string Utf8(char32_t character) {
    std::wstring utf16;
    if (character >= 0x10000) {
        utf16 += static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10));
        utf16 += static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
    } else {
        utf16 += static_cast<wchar_t>(character);
    }
    return Narrow(utf16);
}
