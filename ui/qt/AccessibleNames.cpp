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

namespace {

void InstallPictureFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(PictureInterface);
        return true;
    }();
    (void)installed;
}

// `control` says what `spoken` says; an empty name or description keeps the control's own.
void Speak(QWidget& control, const SpokenControl& spoken) {
    if (!spoken.Name.empty())
        control.setAccessibleName(QString::fromStdString(spoken.Name));
    if (!spoken.Description.empty())
        control.setAccessibleDescription(QString::fromStdString(spoken.Description));
    if (spoken.Picture) {
        InstallPictureFactory();
        control.setProperty(kPictureProperty, true);
        // Naming a widget while it is built makes and keeps its interface as a pane: made
        // anew, it is a picture.
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&control);
        if (made != nullptr && made->role() != QAccessible::Graphic)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void NameEachControl(QWidget& window, SpokenControl (*spokenOf)(const std::string&)) {
    for (QWidget* control : window.findChildren<QWidget*>())
        if (!control->objectName().isEmpty())
            Speak(*control, spokenOf(control->objectName().toStdString()));
}

} // namespace

void NameControls(QWidget& window, SweepKind sweep) {
    for (size_t i = 0; i < kMainControls.size(); ++i)
        if (auto* control = window.findChild<QWidget*>(QString::fromUtf8(kMainControls[i].Name)))
            Speak(*control, MainSpokenControl(static_cast<MainControlName>(i), sweep));
}

void NameSpreadControls(QWidget& window) {
    NameEachControl(window, SpreadSpokenControl);
}

void NameDesignControls(QWidget& window) {
    NameEachControl(window, DesignSpokenControl);
}

void NameStepField(QWidget& field, SweepKind sweep) {
    Speak(field, MainSpokenControl(MainControlName::EdDf, sweep));
}

QVariant ParameterItem::data(int role) const {
    if (role != Qt::AccessibleTextRole)
        return QTableWidgetItem::data(role);
    return QString::fromStdString(ParameterCellReading(
        column(), row(), QTableWidgetItem::data(Qt::DisplayRole).toString().toStdString()));
}
