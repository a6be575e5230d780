#include "LocaleSeparator.h"

#include "WindowsApi.h"

char32_t LocaleDecimalSeparator() {
    // LOCALE_SDECIMAL holds up to three UTF-16 units; the separator is its first character.
    wchar_t separator[4] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2)
        return U'.';
    if (IS_HIGH_SURROGATE(separator[0]) && IS_LOW_SURROGATE(separator[1]))
        return 0x10000 + ((static_cast<char32_t>(separator[0]) - 0xD800) << 10) +
               (static_cast<char32_t>(separator[1]) - 0xDC00);
    return separator[0];
}
