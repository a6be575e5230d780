#pragma once

#include "CalcWindow.h"
#include "MessageBoxes.h"
#include "StageFile.h"

#include <filesystem>
#include <optional>

// Between a stage and the main window's cells, fields and check box.

// What the form holds, read as "расчет" reads it: a blank cell stays blank, any other text is the
// number TextToNumber makes of it with the user's separator (0 when it makes none).
Stage StageFromForm(const CalcWindow& window, SweepKind sweep);

// Puts the stage into the form as the user could have typed it: each number in normal form with
// the user's separator, blanks blank, the check box set; the results are cleared and "график"
// disabled, as after an edit. The sweep kind is the caller's to keep.
void PutStageIntoForm(CalcWindow& window, const Stage& stage);

// Reads the file and puts its stage into the form; a refused file leaves the form as it was and
// shows its message in an error box; keys the file lacks or the program does not know are named in
// one message after the form is filled. Returns the stage opened.
// `spread`, when given, receives the file's analysis settings, so that a save keeps them.
std::optional<Stage> OpenStage(CalcWindow& window, MessageBoxes& boxes,
                               const std::filesystem::path& path, SpreadSettings* spread = nullptr);
