#include "SpreadControls.h"

#include <initializer_list>

std::string SpreadObjectName(int id) {
    if (id >= kFirstToleranceId && id < kFirstToleranceId + kSpreadParameters)
        return kToleranceEditPrefix + std::to_string(id - kFirstToleranceId + 1);
    if (id >= kFirstLimitId && id < kFirstLimitId + kSpreadLimits)
        return kLimitEditPrefix + std::to_string(id - kFirstLimitId + 1);
    for (const NamedControl& control :
         {kDistributionChoice, kAnalysisChoice, kTrialsEdit, kSeedEdit, kSpreadOk, kSpreadCancel,
          kSpreadProgressBar, kSpreadProgressCancel, kSpreadResultsText, kCopySpreadButton,
          kSaveSpreadButton, kCloseSpreadButton, kUpperEdgeHistogram, kPeakGainHistogram})
        if (control.Id == id)
            return control.Name;
    return {};
}
