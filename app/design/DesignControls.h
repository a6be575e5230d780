#pragma once

#include "app/spread/SpreadControls.h"

#include <string>

// The object names of the windows of "Подбор номиналов…" and, for the Win32 windows, their control
// IDs, the same in both sets of windows (see docs/object-names.md). Numbered fields count from 1
// in the dialog's order; the parts in the parameter grid's order, R1 … C5.

// The dialog.
inline constexpr const char* kDesignDialogName = "DesignDialog";
// EdRequirement1 … EdRequirement6 (IDs 301 … 306), in kLimitLabels' order.
inline constexpr const char* kRequirementEditPrefix = "EdRequirement";
inline constexpr int kFirstRequirementId = 301;
// ChDesign1 … ChDesign10 (IDs 311 … 320): whether the part is chosen.
inline constexpr const char* kPartCheckPrefix = "ChDesign";
inline constexpr int kFirstPartCheckId = 311;
inline constexpr NamedControl kResistorSeriesChoice{"CbSeriesR", 321};
inline constexpr NamedControl kCapacitorSeriesChoice{"CbSeriesC", 322};
// EdRangeFrom1 … EdRangeFrom10 (IDs 331 … 340) and EdRangeTo1 … EdRangeTo10 (341 … 350).
inline constexpr const char* kRangeFromPrefix = "EdRangeFrom";
inline constexpr int kFirstRangeFromId = 331;
inline constexpr const char* kRangeToPrefix = "EdRangeTo";
inline constexpr int kFirstRangeToId = 341;
inline constexpr NamedControl kDesignOk{"BuOk", 360};
inline constexpr NamedControl kDesignCancel{"BuCancel", 361};

// The progress box.
inline constexpr const char* kDesignProgressName = "DesignProgress";
inline constexpr NamedControl kDesignProgressBar{"PbDesign", 370};
inline constexpr NamedControl kDesignProgressCancel{"BuCancelDesign", 371};

// The results box.
inline constexpr const char* kDesignResultsName = "DesignResults";
inline constexpr NamedControl kDesignSummary{"LaDesignSummary", 380};
inline constexpr NamedControl kCandidateList{"LbCandidates", 381};
inline constexpr NamedControl kApplyDesignButton{"BuApplyDesign", 382};
inline constexpr NamedControl kCopyDesignButton{"BuCopyDesign", 383};
inline constexpr NamedControl kCloseDesignButton{"BuCloseDesign", 384};

// The object name of the control `id` of these windows ("EdRangeTo4" for 344); "" for none.
std::string DesignObjectName(int id);
