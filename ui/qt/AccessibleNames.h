#pragma once

#include "calc/SweepKind.h"

#include <QTableWidgetItem>

class QWidget;

// Gives the main window's controls the names and descriptions screen readers say, from the
// texts catalogue.
void NameControls(QWidget& window);
// EdDf's name follows the kind of sweep.
void NameStepField(QWidget& field, SweepKind sweep);

// A cell of the parameter grid that a screen reader reads with its parameter and unit.
class ParameterItem final : public QTableWidgetItem {
  public:
    QVariant data(int role) const override;
};
