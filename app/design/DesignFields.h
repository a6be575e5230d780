#pragma once

#include "analysis/StageDesign.h"
#include "analysis/StandardSeries.h"
#include "app/spread/SpreadFields.h"

#include <array>
#include <optional>
#include <string>

// The fields of the dialog of "Подбор номиналов…" as typed, and the settings they hold.

// The series each choice offers, in its order.
inline constexpr std::array kResistorSeriesChoices = {StandardSeries::E12, StandardSeries::E24,
                                                      StandardSeries::E48, StandardSeries::E96};
inline constexpr std::array kCapacitorSeriesChoices = {StandardSeries::E6, StandardSeries::E12,
                                                       StandardSeries::E24};

struct DesignFields {
    std::array<std::string, kSpreadLimits> Requirements; // blank: no such requirement
    std::array<bool, kDesignParts> Chosen{};
    int ResistorSeries = 0;                                   // index into kResistorSeriesChoices
    int CapacitorSeries = 0;                                  // into kCapacitorSeriesChoices
    std::array<std::string, kDesignParts> RangeFrom, RangeTo; // units of entry

    bool operator==(const DesignFields&) const = default;
};

// The dialog's texts for these settings, numbers in normal form with the user's separator.
DesignFields DesignFieldsFrom(const SpreadSettings& settings);

// `settings` with the requirements and the design's settings the fields hold (the tolerances and
// trials as they were), or the first field refused: a message naming it and what it needs, and
// the field, which then takes the focus. At least one part chosen and one requirement; each range
// read as the stage file reads it, and a chosen part's holding a value of its series.
struct DesignFieldsReading {
    std::optional<SpreadSettings> Settings;
    std::string Refusal;
    int Field = 0; // the refused field's control ID (DesignControls.h)
};
DesignFieldsReading DesignSettingsFromFields(const DesignFields& fields, SpreadSettings settings);
