#include "AccessibleNames.h"

#include "app/texts/AccessibleTexts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Marks a widget that a screen reader should take for a picture, not for a pane.
constexpr char kPictureProperty[] = "ouAccessiblePicture";

QAccessibleInterface* PictureInterface(const QString& /*className*/, QObject* object) {
    if (object == nullptr || !object->isWidgetType() ||
        !object->property(kPictureProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

} // namespace

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

namespace {

void NameEachControl(QWidget& window, SpokenControl (*spokenOf)(const std::string&)) {
    static const bool installed = [] {
        QAccessible::installFactory(PictureInterface);
        return true;
    }();
    (void)installed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty())
            continue;
        const SpokenControl spoken = spokenOf(control->objectName().toStdString());
        if (!spoken.Name.empty())
            control->setAccessibleName(QString::fromStdString(spoken.Name));
        if (!spoken.Description.empty())
            control->setAccessibleDescription(QString::fromStdString(spoken.Description));
        if (spoken.Picture) {
            control->setProperty(kPictureProperty, true);
            // Naming a widget while it is built makes and keeps its interface as a pane: made
            // anew, it is a picture.
            QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
            if (made != nullptr && made->role() != QAccessible::Graphic)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
}

} // namespace

void NameSpreadControls(QWidget& window) {
    NameEachControl(window, SpreadSpokenControl);
}

void NameDesignControls(QWidget& window) {
    NameEachControl(window, DesignSpokenControl);
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
