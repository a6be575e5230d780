#include "QtMessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A screen reader says a box's title, the program's name, and its description: the text.
void Describe(QMessageBox& box) {
    box.setAccessibleDescription(box.text());
}

void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    // No parent: the box is centred on the screen, not on a window.
    QMessageBox box(icon, QCoreApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok);
    Describe(box);
    box.exec();
}

} // namespace

void QtMessageBoxes::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void QtMessageBoxes::ShowError(const std::string& text) {
    ShowBox(QMessageBox::Critical, text);
}

Answer QtMessageBoxes::Ask(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::NoButton);
    QPushButton* yes = box.addButton(QString::fromUtf8(kYesButton), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QString::fromUtf8(kNoButton), QMessageBox::NoRole);
    box.addButton(QString::fromUtf8(kCancelButton), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    Describe(box);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}
