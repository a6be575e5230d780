#include "StageFile.h"

#include "app/files/SafeFile.h"
#include "app/settings/AnalysisSettings.h"
#include "app/texts/Fill.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <map>
#include <system_error>
#include <utility>

namespace {

namespace fs = std::filesystem;

// The keys in the order the file is written.
constexpr const char* kFormatKey = "format";
constexpr std::array<const char*, 3> kSweepFieldKeys = {"from", "to", "step"};
constexpr const char* kLogScaleKey = "log_scale";
constexpr const char* kSweepKey = "sweep";
// The amplifier's phase, written only when lagging: a stage of the leading phase, the program's
// own model, keeps the file it always had.
constexpr const char* kPhaseKey = "opamp_phase";
constexpr std::string_view kLeading = "leading";
constexpr std::string_view kLagging = "lagging";
// The limits that make ranges, by key, the low end first.
struct LimitRange {
    const char* LowKey;
    const char* HighKey;
    std::optional<double> YieldLimits::*Low;
    std::optional<double> YieldLimits::*High;
};
constexpr std::array<LimitRange, 2> kLimitRanges = {{
    {"limit_from", "limit_to", &YieldLimits::From, &YieldLimits::To},
    {"limit_min_db", "limit_max_db", &YieldLimits::MinDb, &YieldLimits::MaxDb},
}};

constexpr std::string_view kFormatName = "ou-stage";
constexpr std::string_view kLinear = "linear";
constexpr std::string_view kDecade = "decade";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Numbers in the file always have a point: the file is the same on every system.
constexpr char32_t kFileSeparator = U'.';
// A value quoted in a refusal is cut to this many characters, so the box stays readable.
constexpr size_t kQuotedCharacters = 40;

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The offset of the first byte that is not part of well-formed UTF-8 (no overlong forms, no
// surrogates, nothing beyond U+10FFFF), or npos.
size_t FirstInvalidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        if (i + length > text.size())
            return i;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        if (second < low || second > high)
            return i;
        for (size_t k = 2; k < length; ++k)
            if (!IsContinuation(static_cast<unsigned char>(text[i + k])))
                return i;
        i += length;
    }
    return std::string_view::npos;
}

std::string Shortened(std::string_view value) {
    size_t characters = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        if (IsContinuation(static_cast<unsigned char>(value[i])))
            continue;
        if (characters++ == kQuotedCharacters)
            return std::string(value.substr(0, i)) + "…";
    }
    return std::string(value);
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The errno value of a filesystem error, or EIO where it has none.
int ErrorNumber(const std::error_code& error) {
    const std::error_condition condition = error.default_error_condition();
    return condition.category() == std::generic_category() ? condition.value() : EIO;
}

std::string ReadFailure(const fs::path& path, const std::string& reason) {
    return Fill(kCannotOpen, {{"file", Utf8(path.filename())}, {"reason", reason}});
}

std::string ReadReason(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return kNoSuchFile;
    case EISDIR:
        return kIsAFolder;
    case EACCES:
    case EPERM:
        return kNoReadAccess;
    case EIO:
        return kReadError;
    default:
        return Fill(kWithErrorCode, {{"reason", kReadError}, {"code", std::to_string(error)}});
    }
}

// Reads the lines after the format line into a stage, refusing with the line's number.
class StageParser {
  public:
    explicit StageParser(std::string fileName) : fileName_(std::move(fileName)) {}

    StageReading Parse(std::string_view text) {
        if (const size_t bad = FirstInvalidUtf8(text); bad != std::string_view::npos) {
            lineNumber_ = 1 + static_cast<int>(std::count(text.begin(), text.begin() + bad, '\n'));
            return Refuse(kNotUtf8);
        }
        if (text.starts_with(kByteOrderMark))
            text.remove_prefix(kByteOrderMark.size());
        bool formatSeen = false;
        while (!text.empty()) {
            const size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            ++lineNumber_;
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            line = Trimmed(line);
            if (line.empty() || line.starts_with('#'))
                continue;
            if (!formatSeen) {
                if (std::string refusal = ReadFormatLine(line); !refusal.empty())
                    return Refuse(refusal);
                formatSeen = true;
            } else if (std::string refusal = ReadLine(line); !refusal.empty()) {
                return Refuse(refusal);
            }
        }
        if (!formatSeen) {
            lineNumber_ = 1;
            return Refuse(kNotAStageFile);
        }
        StageReading reading;
        reading.Loaded = stage_;
        reading.UnknownKeys = unknown_;
        reading.Spread = spread_;
        const auto note = [&](const char* key, const std::optional<double>& value) {
            if (!seen_.contains(key))
                reading.AbsentKeys.emplace_back(key);
            else if (!value)
                reading.BlankKeys.emplace_back(key);
        };
        for (size_t i = 0; i < kParameterKeys.size(); ++i)
            note(kParameterKeys[i], stage_.Parameters[i]);
        for (size_t i = 0; i < kSweepFieldKeys.size(); ++i)
            note(kSweepFieldKeys[i], stage_.SweepFields[i]);
        return reading;
    }

  private:
    StageReading Refuse(const std::string& reason) const {
        return StageReading::Refused(
            Fill(kFileLineRefused,
                 {{"file", fileName_}, {"line", std::to_string(lineNumber_)}, {"reason", reason}}));
    }

    // "format = ou-stage N" with N a version this program knows.
    std::string ReadFormatLine(std::string_view line) {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != kFormatKey)
            return kNotAStageFile;
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (!value.starts_with(kFormatName))
            return kNotAStageFile;
        const std::string_view number = Trimmed(value.substr(kFormatName.size()));
        // A version is a whole number from 1, short enough for an int.
        if (number.empty() || number.size() > 9 || number.front() == '0' ||
            number.find_first_not_of("0123456789") != std::string_view::npos)
            return kNotAStageFile;
        if (std::stoi(std::string(number)) > kStageFormatVersion)
            return Fill(kNewerFormat, {{"value", Shortened(value)}});
        seen_.emplace(kFormatKey, lineNumber_);
        return {};
    }

    std::string ReadLine(std::string_view line) {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return Fill(kNoEqualsSign, {{"value", Shortened(line)}});
        const std::string key(Trimmed(line.substr(0, equals)));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (const auto [earlier, first] = seen_.emplace(key, lineNumber_); !first)
            return Fill(kRepeatedKey,
                        {{"value", Shortened(key)}, {"line", std::to_string(earlier->second)}});

        for (size_t i = 0; i < kParameterKeys.size(); ++i)
            if (key == kParameterKeys[i])
                return ReadNumber(value, stage_.Parameters[i]);
        for (size_t i = 0; i < kSweepFieldKeys.size(); ++i)
            if (key == kSweepFieldKeys[i])
                return ReadNumber(value, stage_.SweepFields[i]);
        if (key == kLogScaleKey) {
            if (value != "0" && value != "1")
                return Fill(kNotZeroOrOne, {{"value", Shortened(value)}});
            stage_.LogScale = value == "1";
        } else if (key == kSweepKey) {
            if (value != kLinear && value != kDecade)
                return Fill(kNotASweepKind, {{"value", Shortened(value)}});
            stage_.Sweep = value == kDecade ? SweepKind::Decade : SweepKind::Linear;
        } else if (key == kPhaseKey) {
            if (value != kLeading && value != kLagging)
                return Fill(kNotAPhase, {{"value", Shortened(value)}});
            stage_.Phase = value == kLagging ? OpAmpPhase::Lagging : OpAmpPhase::Leading;
        } else {
            return ReadSpreadSetting(key, value);
        }
        return {};
    }

    std::string ReadSpreadSetting(const std::string& key, std::string_view value) {
        const AnalysisSetting* setting = AnalysisSettingOf(key);
        if (setting == nullptr) {
            unknown_.push_back({key, lineNumber_}); // a typo, or a key of a newer program
            return {};
        }
        if (std::string need = setting->Read(spread_, value, kFileSeparator); !need.empty())
            return Fill(kValueNeeds, {{"value", Shortened(value)}, {"need", need}});
        return RefuseReversedRange(key, value);
    }

    // A limit against the other end of its range, given on an earlier line: limit_from …
    // limit_to, limit_min_db … limit_max_db. Whether the sweep can judge a limit is the
    // analysis's to say.
    std::string RefuseReversedRange(const std::string& key, std::string_view value) const {
        for (const auto& [lowKey, highKey, low, high] : kLimitRanges) {
            const std::optional<double>&from = spread_.Limits.*low, &to = spread_.Limits.*high;
            if ((key != lowKey && key != highKey) || !from || !to || !(*to < *from))
                continue;
            const bool isLow = key == lowKey;
            const auto other = seen_.find(isLow ? highKey : lowKey);
            return Fill(isLow ? kFileLimitAboveOther : kFileLimitBelowOther,
                        {{"value", Shortened(value)},
                         {"key", other->first},
                         {"line", std::to_string(other->second)}});
        }
        return {};
    }

    static std::string ReadNumber(std::string_view value, std::optional<double>& number) {
        if (value.empty()) {
            number.reset();
            return {};
        }
        // No text the program reads gives NaN, so it marks one that is no number.
        const double read = TextToNumber(value, NAN, kFileSeparator);
        if (std::isnan(read))
            return Fill(kNotANumber, {{"value", Shortened(value)}});
        number = read;
        return {};
    }

    std::string fileName_;
    int lineNumber_ = 0;
    Stage stage_;
    SpreadSettings spread_;
    std::map<std::string, int, std::less<>> seen_; // key → line it stands on
    std::vector<UnknownKey> unknown_;
};

std::string Listed(const std::vector<std::string>& keys) {
    std::string list;
    for (const std::string& key : keys)
        list += (list.empty() ? "" : ", ") + key;
    return list;
}

std::string ListedUnknown(const std::vector<UnknownKey>& keys) {
    std::string list;
    for (const UnknownKey& key : keys)
        list += (list.empty() ? "" : ", ") +
                Fill(kUnknownKeyOnLine, {{"key", key.Key}, {"line", std::to_string(key.Line)}});
    return list;
}

void WriteEntry(std::string& text, const char* key, std::string_view value) {
    text += key;
    text += " =";
    if (!value.empty()) {
        text += ' ';
        text += value;
    }
    text += '\n';
}

std::string FileNumber(const std::optional<double>& value) {
    return value ? NumberToText(*value, kFileSeparator) : std::string();
}

// The analysis's settings that differ from the defaults, compared as written: 0.9999999999999996
// is written 1, the default, and stays out.
void WriteSpreadSettings(std::string& text, const SpreadSettings& spread) {
    const SpreadSettings defaults;
    for (const AnalysisSetting& setting : AnalysisSettings())
        if (const std::string written = setting.Write(spread, kFileSeparator);
            written != setting.Write(defaults, kFileSeparator))
            WriteEntry(text, setting.Key.c_str(), written);
}

} // namespace

std::string StageText(const Stage& stage, const SpreadSettings& spread) {
    std::string text;
    WriteEntry(text, kFormatKey,
               std::string(kFormatName) + ' ' + std::to_string(kStageFormatVersion));
    for (size_t i = 0; i < kParameterKeys.size(); ++i)
        WriteEntry(text, kParameterKeys[i], FileNumber(stage.Parameters[i]));
    for (size_t i = 0; i < kSweepFieldKeys.size(); ++i)
        WriteEntry(text, kSweepFieldKeys[i], FileNumber(stage.SweepFields[i]));
    WriteEntry(text, kLogScaleKey, stage.LogScale ? "1" : "0");
    WriteEntry(text, kSweepKey, stage.Sweep == SweepKind::Decade ? kDecade : kLinear);
    if (stage.Phase == OpAmpPhase::Lagging)
        WriteEntry(text, kPhaseKey, kLagging);
    WriteSpreadSettings(text, spread);
    return text;
}

StageReading ParseStage(std::string_view text, const std::string& fileName) {
    return StageParser(fileName).Parse(text);
}

StageReading ReadStageFile(const fs::path& path) {
    std::error_code status;
    if (!fs::exists(path, status))
        return StageReading::NotRead(
            ReadFailure(path, ReadReason(status ? ErrorNumber(status) : ENOENT)));
    if (fs::is_directory(path, status))
        return StageReading::NotRead(ReadFailure(path, kIsAFolder));
    const std::string tooLarge = Fill(kTooLarge, {{"file", Utf8(path.filename())}});
    if (const auto size = fs::file_size(path, status); !status && size > kMaxStageFileSize)
        return StageReading::Refused(tooLarge);

    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return StageReading::NotRead(ReadFailure(path, ReadReason(errno != 0 ? errno : EIO)));
    // One byte more than allowed tells a file that grew past the limit since it was measured.
    std::string text(kMaxStageFileSize + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad())
        return StageReading::NotRead(ReadFailure(path, kReadError));
    text.resize(static_cast<size_t>(file.gcount()));
    if (text.size() > kMaxStageFileSize)
        return StageReading::Refused(tooLarge);
    return ParseStage(text, Utf8(path.filename()));
}

std::string WriteStageFile(const fs::path& path, const Stage& stage, const SpreadSettings& spread) {
    const std::string text = StageText(stage, spread);
    return WriteFileSafely(path, [&](std::ostream& out) { out << text; });
}

std::string OpenedFileNotice(const StageReading& reading, const std::string& fileName) {
    std::string notice;
    const auto add = [&](const std::string& part) {
        notice += (notice.empty() ? "" : "; ") + part;
    };
    if (const size_t n = reading.AbsentKeys.size(); n > 0)
        add((n == 1 ? kNoLineFor : kNoLinesFor) + Listed(reading.AbsentKeys) +
            (n == 1 ? kFieldLeftBlank : kFieldsLeftBlank));
    if (const size_t n = reading.UnknownKeys.size(); n > 0)
        add((n == 1 ? kUnknownKeySkipped : kUnknownKeysSkipped) +
            ListedUnknown(reading.UnknownKeys));
    return notice.empty() ? notice : Fill(kFileRefused, {{"file", fileName}, {"reason", notice}});
}

std::string MissingValuesRefusal(const StageReading& reading, const std::string& fileName) {
    // In file order, whether the line is missing or empty: either way there is no number.
    std::vector<std::string> missing;
    for (const char* key : kParameterKeys)
        if (std::ranges::count(reading.AbsentKeys, key) +
            std::ranges::count(reading.BlankKeys, key))
            missing.emplace_back(key);
    for (const char* key : kSweepFieldKeys)
        if (std::ranges::count(reading.AbsentKeys, key) +
            std::ranges::count(reading.BlankKeys, key))
            missing.emplace_back(key);
    if (missing.empty())
        return {};
    return Fill(kFileRefused,
                {{"file", fileName},
                 {"reason", (missing.size() == 1 ? kNoValueFor : kNoValuesFor) + Listed(missing)}});
}

std::string UnknownKeyWarnings(const StageReading& reading, const std::string& fileName) {
    std::string warnings;
    for (const UnknownKey& key : reading.UnknownKeys)
        warnings +=
            Fill(kUnknownKeyWarning,
                 {{"file", fileName}, {"line", std::to_string(key.Line)}, {"key", key.Key}}) +
            "\n";
    return warnings;
}
