// The stage file reader over any bytes. Besides not crashing:
// - a refusal names the file, ends with a full stop, and the line it names exists; unless the
//   file has no format line at all or is not UTF-8, that line holds a key, not a blank or a
//   comment;
// - a stage that reads, written back by the writer, reads again to the same stage and analysis
//   settings in normal form (the writer keeps 15 significant digits, as the window shows them),
//   with every value the first reading lacked blank; written once more it gives the same text.

#include "FuzzCheck.h"
#include "app/files/StageFile.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace {

const std::string kFileName = "fuzz.ou";

std::optional<double> NormalForm(const std::optional<double>& value) {
    if (!value)
        return value;
    return TextToNumber(NumberToText(*value, U'.'), 0, U'.');
}

SpreadSettings SpreadInNormalForm(SpreadSettings spread) {
    for (double& tolerance : spread.Tolerances)
        tolerance = *NormalForm(tolerance);
    for (std::optional<double>* limit :
         {&spread.Limits.From, &spread.Limits.To, &spread.Limits.MinDb, &spread.Limits.MaxDb,
          &spread.Limits.LowerEdgeAt, &spread.Limits.UpperEdgeAt})
        *limit = NormalForm(*limit);
    for (auto& [low, high] : spread.Design.Ranges)
        low = *NormalForm(low), high = *NormalForm(high);
    return spread;
}

// Line `number` (from 1) of the text, or nothing when the text has fewer lines.
std::optional<std::string_view> Line(std::string_view text, int number) {
    for (int k = 1; k < number; ++k) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        text.remove_prefix(end + 1);
    }
    return text.substr(0, text.find('\n'));
}

bool HoldsAKey(std::string_view line, int number) {
    if (number == 1 && line.starts_with("\xEF\xBB\xBF"))
        line.remove_prefix(3);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    const size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] != '#';
}

void CheckRefusal(std::string_view text, const StageReading& reading) {
    const std::string& error = reading.Error;
    Require(!reading.Loaded, "a refused file loads no stage");
    // The refusals' templates name the file first, then the line where there is one.
    const std::string named = Fill(kFileLineRefused, {{"file", kFileName}});
    const std::string closing = "»";
    Require(error.starts_with(named.substr(0, named.find(closing) + closing.size())),
            "a refusal names the file");
    Require(error.ends_with('.'), "a refusal ends with a full stop");
    const std::string linePrefix = named.substr(0, named.find("{line}"));
    if (!error.starts_with(linePrefix))
        return;
    int number = 0;
    const char* digits = error.data() + linePrefix.size();
    const auto [end, status] = std::from_chars(digits, error.data() + error.size(), number);
    Require(status == std::errc() && end != digits && *end == ':', "the line is a number");
    const std::optional<std::string_view> line = Line(text, number);
    Require(number >= 1 && line.has_value(), "the line named exists");
    if (!error.ends_with(std::string(kNotAStageFile) + ".") &&
        !error.ends_with(std::string(kNotUtf8) + "."))
        Require(HoldsAKey(*line, number), "the line named holds a key");
}

std::set<std::string> WithoutValue(const StageReading& reading) {
    std::set<std::string> keys(reading.AbsentKeys.begin(), reading.AbsentKeys.end());
    keys.insert(reading.BlankKeys.begin(), reading.BlankKeys.end());
    return keys;
}

void CheckRoundTrip(const StageReading& first) {
    Require(first.Error.empty(), "a loaded file has no refusal");
    const std::string written = StageText(*first.Loaded, first.Spread);
    const StageReading second = ParseStage(written, kFileName);
    if (!second.Loaded)
        std::fprintf(stderr, "Written:\n%s\nRefused: %s\n", written.c_str(), second.Error.c_str());
    Require(second.Loaded.has_value(), "the file written reads");
    Require(*second.Loaded == InNormalForm(*first.Loaded), "the stage reads back in normal form");
    Require(second.Spread == SpreadInNormalForm(first.Spread),
            "the analysis's settings read back in normal form");
    Require(second.AbsentKeys.empty() && second.UnknownKeys.empty(),
            "the file written has every key and no other");
    Require(WithoutValue(second) == WithoutValue(first), "the values lacking are written blank");
    Require(StageText(*second.Loaded, second.Spread) == written,
            "the file written is written again the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = InputText(data, size);
    const StageReading reading = ParseStage(text, kFileName);
    if (reading.Loaded)
        CheckRoundTrip(reading);
    else
        CheckRefusal(text, reading);
    return 0;
}
