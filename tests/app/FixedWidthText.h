#pragma once

#include <cstdint>
#include <string_view>

// A text's width in a font whose every character is `each` pixels wide: characters counted, not
// the bytes of their UTF-8.
inline int32_t FixedWidth(std::string_view text, int32_t each = 7) {
    int32_t characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80; // not a continuation byte
    return each * characters;
}
