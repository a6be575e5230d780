#include "LocaleSeparator.h"
#include "MessageBoxes.h"
#include "numerics/NumberText.h"
#include "ou.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    SetDecimalSeparatorSource(&LocaleDecimalSeparator);
    QtMessageBoxes boxes;

    // The first window is the main one: closing it ends the program.
    TForm1 Form1(boxes);
    application.setWindowIcon(Form1.windowIcon());
    Form1.show();
    return application.exec();
}
