#pragma once

#include "calc/SweepKind.h"

#include <QTableWidgetItem>

class QWidget;

// Gives the main window's controls the names and descriptions screen readers say, the step
// field's for the kind of sweep.
void NameControls(QWidget& window, SweepKind sweep);
// Gives the controls of a window of "Разброс…" (the dialog, the progress box, the results box)
// what screen readers say of them, found by their object names; a picture reads as one.
void NameSpreadControls(QWidget& window);
// The same for the windows of "Подбор номиналов…".
void NameDesignControls(QWidget& window);
// EdDf's name follows the kind of sweep.
void NameStepField(QWidget& field, SweepKind sweep);

// A cell of the parameter grid that a screen reader reads with its parameter and unit.
class ParameterItem final : public QTableWidgetItem {
  public:
    QVariant data(int role) const override;
};
