#pragma once

#include "SweepKind.h"
#include "analysis/SpreadSettings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A stage as the user keeps it in a file (.ou): what the main window's cells and fields hold, in
// the units of entry, and the graph mode. The file is UTF-8 text, one "key = value" a line:
//
//   format = ou-stage 1
//   R1 = 100
//   …
//   sweep = linear
//
// Numbers are written with a decimal point whatever the locale, so a file moves between systems.
struct Stage {
    // Rows 1 to 13 of the parameter grid: R1 … R5 in kΩ, C1 in µF, C2 in pF, C3 in µF, C4 and C5
    // in pF, k0 as a ratio, Rin in MΩ, f1 in MHz. Empty: the cell is blank.
    std::array<std::optional<double>, 13> Parameters{};
    // The sweep fields EdOt, EdDo, EdDf (in SweepEdit's order), in Hz. Empty: the field is blank.
    std::array<std::optional<double>, 3> SweepFields{};
    bool LogScale = false; // the check box "логарифм. шкала"
    SweepKind Sweep = SweepKind::Linear;

    bool operator==(const Stage&) const = default;
};

// The newest format this program reads and the one it writes.
inline constexpr int kStageFormatVersion = 1;
// A stage file is a few hundred bytes; anything this large is some other file.
inline constexpr std::uintmax_t kMaxStageFileSize = 64 * 1024;

// A stage read from a file, or why the file was refused.
struct StageReading {
    std::optional<Stage> Loaded;
    std::string Error; // in Russian, naming the file and the line; empty when Loaded holds one
    // The tolerance analysis's settings, kept after `sweep` by optional keys (tolerance_R1 …
    // tolerance_f1 in %, distribution = uniform|normal, trials, seed, analysis =
    // montecarlo|corners, limit_from, limit_to (Hz), limit_min_db, limit_max_db (dB),
    // limit_lower_edge, limit_upper_edge (Hz)); the defaults where the file has none.
    SpreadSettings Spread{};
};

// The file's text: the format line and every key, in a fixed order, LF line ends; of the
// analysis's settings only those that differ from the defaults, so a stage without them is
// written as before.
std::string StageText(const Stage& stage, const SpreadSettings& spread = {});
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
