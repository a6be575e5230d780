#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share: a property that must hold of every input, and the input cut into
// a list of texts.

// Stops the run when a property fails, so that libFuzzer keeps the input as a crash.
inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "Property failed: %s\n", property);
        std::abort();
    }
}

inline std::string_view InputText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The texts between the NUL bytes, as a program's arguments arrive: an empty input is no text at
// all, "a\0" is "a" and an empty one.
inline std::vector<std::string> SplitAtNul(std::string_view input) {
    std::vector<std::string> texts;
    if (input.empty())
        return texts;
    for (;;) {
        const size_t end = input.find('\0');
        texts.emplace_back(input.substr(0, end));
        if (end == std::string_view::npos)
            return texts;
        input.remove_prefix(end + 1);
    }
}
