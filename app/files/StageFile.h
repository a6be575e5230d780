#pragma once

#include "analysis/SpreadSettings.h"
#include "calc/Stage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A stage as the user keeps it in a file (.ou): the Stage, in the units of entry, with the graph
// mode. The file is UTF-8 text, one "key = value" a line:
//
//   format = ou-stage 1
//   R1 = 100
//   …
//   sweep = linear
//
// Numbers are written with a decimal point whatever the locale, so a file moves between systems.

// The newest format this program reads and the one it writes.
inline constexpr int kStageFormatVersion = 1;
// A stage file is a few hundred bytes; anything this large is some other file.
inline constexpr std::uintmax_t kMaxStageFileSize = 64 * 1024;

// A key the program does not read: a typo ("r4") or a newer program's key.
struct UnknownKey {
    std::string Key;
    int Line = 0;

    bool operator==(const UnknownKey&) const = default;
};

// A stage read from a file, or why the file was refused.
struct StageReading {
    std::optional<Stage> Loaded;
    std::string Error; // in Russian, naming the file and the line; empty when Loaded holds one

    // Of a loaded file, in file-key order: the parameters and sweep fields without a line at all,
    // those whose line gives no value (both open blank), and the keys it skipped.
    std::vector<std::string> AbsentKeys;
    std::vector<std::string> BlankKeys;
    std::vector<UnknownKey> UnknownKeys;
    // The tolerance analysis's settings, kept after `sweep` by optional keys (tolerance_R1 …
    // tolerance_f1 in %, distribution = uniform|normal, trials, seed, analysis =
    // montecarlo|corners, limit_from, limit_to (Hz), limit_min_db, limit_max_db (dB),
    // limit_lower_edge, limit_upper_edge (Hz)); the defaults where the file has none.
    SpreadSettings Spread{};

    bool NotOpened = false; // the file could not be read at all (missing, a folder, unreadable)

    static StageReading Refused(std::string error) {
        StageReading reading;
        reading.Error = std::move(error);
        return reading;
    }
    static StageReading NotRead(std::string error) {
        StageReading reading = Refused(std::move(error));
        reading.NotOpened = true;
        return reading;
    }
};

// The file's text: the format line and every key, in a fixed order, LF line ends; of the
// analysis's settings only those that differ from the defaults, so a stage without them is
// written as before.
std::string StageText(const Stage& stage, const SpreadSettings& spread = {});
// Reads a file's text; `fileName` (UTF-8) only names the file in a refusal. Unknown keys are
// skipped and listed, so that a newer file of the same format opens; CRLF, blank lines, "#"
// comments and blanks around "=" are accepted. Every refusal ends with a full stop.
StageReading ParseStage(std::string_view text, const std::string& fileName);

// The file at `path`, read and parsed; refused when it cannot be read or is over
// kMaxStageFileSize.
StageReading ReadStageFile(const std::filesystem::path& path);
// StageText into the file, whole or not at all: an empty string when saved, otherwise the reason,
// in Russian.
std::string WriteStageFile(const std::filesystem::path& path, const Stage& stage,
                           const SpreadSettings& spread = {});

// What opening the file in the window tells besides the stage: the keys with no line and the keys
// skipped, in one message; empty when there are none. A blank value is the form's own (the
// program writes a blank cell so) and is not mentioned.
std::string OpenedFileNotice(const StageReading& reading, const std::string& fileName);
// Why a file cannot be computed without the window: the parameters and sweep fields that are
// absent or blank would be computed as 0. Empty when every one has a value.
std::string MissingValuesRefusal(const StageReading& reading, const std::string& fileName);
// One warning a line for each key skipped, for the command line's standard error.
std::string UnknownKeyWarnings(const StageReading& reading, const std::string& fileName);
