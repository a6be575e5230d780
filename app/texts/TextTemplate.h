#pragma once

#include <initializer_list>
#include <string>

// A sentence of the texts catalogue with places {1} … {9} for the values it names, so a sentence
// is written whole in one place: Filled("в {1} из {2} испытаний", {"3", "10"}).
inline std::string Filled(const char* text, std::initializer_list<std::string> values) {
    std::string out;
    for (const char* c = text; *c != '\0'; ++c) {
        const size_t place = c[0] == '{' && c[1] >= '1' && c[1] <= '9' && c[2] == '}'
                                 ? static_cast<size_t>(c[1] - '1')
                                 : values.size();
        if (place < values.size()) {
            out += *(values.begin() + place);
            c += 2;
        } else {
            out += *c;
        }
    }
    return out;
}
