#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

void ShowBox(QMessageBox::Icon icon, const QString& text) {
    // No parent: the box is centred on the screen, not on a window.
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    box.exec();
}

} // namespace

void QtMessageBoxes::ShowMessage(const QString& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void QtMessageBoxes::ShowError(const QString& text) {
    ShowBox(QMessageBox::Critical, text);
}
