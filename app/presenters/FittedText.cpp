#include "FittedText.h"

std::string CutToFit(std::string_view text, int32_t width, const TextWidth& measure) {
    if (measure(text) <= width)
        return std::string(text);
    for (size_t end = text.size(); end > 0;) {
        // Back to the start of the character before `end`: UTF-8 continuation bytes are 10xxxxxx.
        do
            --end;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80);
        std::string_view start = text.substr(0, end);
        while (!start.empty() && start.back() == ' ')
            start.remove_suffix(1);
        const std::string cut = std::string(start) + kCutMark;
        if (!start.empty() && measure(cut) <= width)
            return cut;
    }
    return kCutMark;
}

ShownCell FitCell(const std::string& text, int32_t width, const TextWidth& measure) {
    std::string shown = CutToFit(text, width, measure);
    if (shown == text)
        return {std::move(shown), {}};
    return {std::move(shown), text};
}
