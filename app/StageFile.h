#pragma once

#include "calc/Stage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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

// A stage read from a file, or why the file was refused.
struct StageReading {
    std::optional<Stage> Loaded;
    std::string Error; // in Russian, naming the file and the line; empty when Loaded holds one
};

// The file's text: the format line and every key, in a fixed order, LF line ends.
std::string StageText(const Stage& stage);
// Reads a file's text; `fileName` (UTF-8) only names the file in a refusal. Unknown keys are
// ignored, so that a newer file of the same format opens; CRLF, blank lines, "#" comments and
// blanks around "=" are accepted.
StageReading ParseStage(std::string_view text, const std::string& fileName);

// The file at `path`, read and parsed; refused when it cannot be read or is over
// kMaxStageFileSize.
StageReading ReadStageFile(const std::filesystem::path& path);
// StageText into the file, whole or not at all: an empty string when saved, otherwise the reason,
// in Russian.
std::string WriteStageFile(const std::filesystem::path& path, const Stage& stage);
