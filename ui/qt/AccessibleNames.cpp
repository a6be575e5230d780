#include "AccessibleNames.h"

#include "app/texts/AccessibleTexts.h"

#include <QWidget>

void NameControls(QWidget& window) {
    for (const AccessibleControlText& text : kMainAccessibleTexts) {
        auto* control = window.findChild<QWidget*>(QString::fromUtf8(text.Control));
        if (control == nullptr)
            continue;
        if (text.Name != nullptr)
            control->setAccessibleName(QString::fromUtf8(text.Name));
        if (text.Description != nullptr)
            control->setAccessibleDescription(QString::fromUtf8(text.Description));
    }
}

void NameStepField(QWidget& field, SweepKind sweep) {
    field.setAccessibleName(QString::fromUtf8(StepFieldName(sweep)));
}

QVariant ParameterItem::data(int role) const {
    if (role != Qt::AccessibleTextRole)
        return QTableWidgetItem::data(role);
    return QString::fromStdString(ParameterCellReading(
        column(), row(), QTableWidgetItem::data(Qt::DisplayRole).toString().toStdString()));
}
