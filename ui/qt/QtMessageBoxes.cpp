#include "QtMessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    // No parent: the box is centred on the screen, not on a window.
    QMessageBox box(icon, QCoreApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

} // namespace

void QtMessageBoxes::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void QtMessageBoxes::ShowError(const std::string& text) {
    ShowBox(QMessageBox::Critical, text);
}
