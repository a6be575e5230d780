#pragma once

#include "analysis/StageDesign.h"

// What "Подбор номиналов" asks of the search, for the dialog and "ou --design" alike: the stage
// as the tolerance analysis reads it (`spread`, from SpreadRequest), its requirements, and the
// values of each chosen part's series within its range.
struct DesignRequestMaking {
    DesignRequest Request;
    // The first part chosen whose range holds no value of its series; −1 when every one does.
    int EmptyPart = -1;
};
DesignRequestMaking MakeDesignRequest(const SpreadInput& spread);
