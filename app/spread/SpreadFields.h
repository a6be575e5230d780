#pragma once

#include "analysis/SpreadSettings.h"

#include <array>
#include <optional>
#include <string>

// The fields of the dialog of "Разброс…" as typed, and the settings they hold.

// The limits in the dialog's order: YieldLimits' From, To, MinDb, MaxDb, LowerEdgeAt, UpperEdgeAt.
inline constexpr int kSpreadLimits = 6;

// A blank limit is no limit.
struct SpreadFields {
    std::array<std::string, kSpreadParameters> Tolerances; // %, the parameter grid's order
    Distribution Shape = Distribution::Uniform;
    SpreadMode Mode = SpreadMode::MonteCarlo;
    std::string Trials;
    std::string Seed;
    std::array<std::string, kSpreadLimits> Limits;

    bool operator==(const SpreadFields&) const = default;
};

// The dialog's texts for these settings: numbers in normal form with the user's separator, a
// limit not given blank.
SpreadFields FieldsFromSettings(const SpreadSettings& settings);

// The limits' fields (also the design's requirements): their texts, a limit not given blank; and
// what they hold, or the first that does not read, by its place in kLimitLabels' order.
std::array<std::string, kSpreadLimits> LimitFieldTexts(const YieldLimits& limits);
struct LimitFieldRefusal {
    size_t Index;
    std::string Text;
};
std::optional<LimitFieldRefusal>
ReadLimitFields(const std::array<std::string, kSpreadLimits>& typed, YieldLimits& limits);

// The settings the fields hold, or the first field refused, as the main window refuses a cell:
// a message naming the field and what it needs, and the field, which then takes the focus.
struct SpreadFieldsReading {
    std::optional<SpreadSettings> Settings;
    std::string Refusal;
    int Field = 0; // the refused field's control ID (SpreadControls.h); 0 when none is
};
SpreadFieldsReading SettingsFromFields(const SpreadFields& fields);
