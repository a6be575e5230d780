#pragma once

#include "analysis/SpreadSettings.h"
#include "app/spread/SpreadFields.h"

#include <array>
#include <string>

// The object names of the windows of "Разброс…" and, for the Win32 windows, their control IDs:
// what automation tools and scripts address, the same in both sets of windows (see
// docs/object-names.md). The fields are numbered from 1 in the dialog's order.

struct NamedControl {
    const char* Name;
    int Id;
};

// The dialog.
inline constexpr const char* kSpreadDialogName = "SpreadDialog";
// EdTolerance1 … EdTolerance13 (IDs 201 … 213), in the parameter grid's order.
inline constexpr const char* kToleranceEditPrefix = "EdTolerance";
inline constexpr int kFirstToleranceId = 201;
inline constexpr NamedControl kDistributionChoice{"CbDistribution", 220};
inline constexpr NamedControl kAnalysisChoice{"CbAnalysis", 221};
inline constexpr NamedControl kTrialsEdit{"EdTrials", 222};
inline constexpr NamedControl kSeedEdit{"EdSeed", 223};
// EdLimit1 … EdLimit6 (IDs 231 … 236), in kLimitLabels' order.
inline constexpr const char* kLimitEditPrefix = "EdLimit";
inline constexpr int kFirstLimitId = 231;
inline constexpr NamedControl kSpreadOk{"BuOk", 240};
inline constexpr NamedControl kSpreadCancel{"BuCancel", 241};

// The progress box.
inline constexpr const char* kSpreadProgressName = "SpreadProgress";
inline constexpr NamedControl kSpreadProgressBar{"PbSpread", 250};
inline constexpr NamedControl kSpreadProgressCancel{"BuCancelSpread", 251};

// The results box.
inline constexpr const char* kSpreadResultsName = "SpreadResults";
inline constexpr NamedControl kSpreadResultsText{"SpreadResultsText", 260};
inline constexpr NamedControl kCopySpreadButton{"BuCopySpread", 261};
inline constexpr NamedControl kSaveSpreadButton{"BuSaveSpread", 262};
inline constexpr NamedControl kCloseSpreadButton{"BuCloseSpread", 263};
// The histograms of the upper −3 dB edge and of the peak gain.
inline constexpr NamedControl kUpperEdgeHistogram{"ImUpperEdge", 264};
inline constexpr NamedControl kPeakGainHistogram{"ImPeakGain", 265};

// The object name of the control `id` of these windows ("EdTolerance3" for 203); "" for none.
std::string SpreadObjectName(int id);
