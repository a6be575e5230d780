#include "Fill.h"

std::string Fill(std::string_view pattern, std::initializer_list<TextPlace> places) {
    std::string text;
    text.reserve(pattern.size());
    size_t at = 0;
    while (at < pattern.size()) {
        const size_t open = pattern.find('{', at);
        const size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        if (close == std::string_view::npos) {
            text += pattern.substr(at);
            break;
        }
        text += pattern.substr(at, open - at);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const TextPlace* place = nullptr;
        for (const TextPlace& p : places)
            if (p.first == name)
                place = &p;
        text += place != nullptr ? std::string_view(place->second)
                                 : pattern.substr(open, close - open + 1);
        at = close + 1;
    }
    return text;
}
