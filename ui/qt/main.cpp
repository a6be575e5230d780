#include "LocaleSeparator.h"
#include "QtMessageBoxes.h"
#include "StartUp.h"
#include "numerics/FloatError.h"
#include "numerics/NumberText.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    SetFloatingPointMode();
    QApplication application(argc, argv);
    // Number texts follow the user's locale, asked afresh at every conversion.
    SetDecimalSeparatorSource(&LocaleDecimalSeparator);
    QtMessageBoxes boxes;
    ProgramWindows windows(boxes);
    application.setWindowIcon(windows.Form1.windowIcon());
    return application.exec();
}
