#pragma once

#include "analysis/SpreadSettings.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StageSession.h"

#include <optional>

// What "Разброс…" and "Подбор номиналов…" analyse: the stage as "расчет" reads it, with the
// session's settings. "расчет" runs first when the results on show are not the stage's; nothing,
// after its box, when it refuses the stage or a fault stops it, or when the analysis refuses the
// settings over the sweep. A fault of the results on show is thrown again, for the caller's
// handler.
std::optional<SpreadInput> AnalysedStage(StageSession& session, MessageBoxes& boxes);
