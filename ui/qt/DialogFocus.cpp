#include "DialogFocus.h"

#include <QLineEdit>
#include <QWidget>

void FocusNamedField(QWidget* dialog, const std::string& objectName) {
    if (dialog == nullptr)
        return;
    auto* field = dialog->findChild<QWidget*>(QString::fromStdString(objectName));
    if (field == nullptr)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}
