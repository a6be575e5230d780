#include "DesignControls.h"

#include "analysis/StageDesign.h"
#include "app/spread/SpreadFields.h"

#include <initializer_list>
#include <tuple>

std::string DesignObjectName(int id) {
    for (const auto& [prefix, first, count] :
         {std::tuple{kRequirementEditPrefix, kFirstRequirementId, kSpreadLimits},
          std::tuple{kPartCheckPrefix, kFirstPartCheckId, static_cast<int>(kDesignParts)},
          std::tuple{kRangeFromPrefix, kFirstRangeFromId, static_cast<int>(kDesignParts)},
          std::tuple{kRangeToPrefix, kFirstRangeToId, static_cast<int>(kDesignParts)}})
        if (id >= first && id < first + count)
            return prefix + std::to_string(id - first + 1);
    for (const NamedControl& control :
         {kResistorSeriesChoice, kCapacitorSeriesChoice, kDesignOk, kDesignCancel,
          kDesignProgressBar, kDesignProgressCancel, kDesignSummary, kCandidateList,
          kApplyDesignButton, kCopyDesignButton, kCloseDesignButton})
        if (control.Id == id)
            return control.Name;
    return {};
}
