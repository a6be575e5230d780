#pragma once

#include "app/settings/SettingsDialogs.h"

#include <functional>

class QDialog;

// Builds the dialog of "Разброс…" or "Подбор номиналов…" in `dialog` from its layout in app/,
// showing `values`: each column's blocks under their headings, a label beside its field (its
// buddy, which names it), the note, OK (the default) and "Отмена". OK hands what the fields hold
// to `accept`, which says whether the dialog closes; "Отмена" and Escape reject it.
void BuildSettingsDialog(QDialog& dialog, const DialogLayout& layout, const DialogValues& values,
                         std::function<bool(const DialogValues&)> accept);
