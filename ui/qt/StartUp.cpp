#include "StartUp.h"

#include <QCoreApplication>
#include <QLibraryInfo>

QtTranslation::QtTranslation() {
    loaded_ = translator_.load(QStringLiteral("qtbase_ru"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
              QCoreApplication::installTranslator(&translator_);
}

QtTranslation::~QtTranslation() {
    QCoreApplication::removeTranslator(&translator_);
}

ProgramWindows::ProgramWindows(MessageBoxes& boxes)
    : Boxes(boxes), Presenters(Boxes), Form1(Presenters, Boxes), Form2(), Form3(Presenters, Boxes),
      Spread(Presenters, Form1, Boxes), Design(Presenters, Form1) {
    Form1.SetHelpWindow(&Form2);
    Form1.SetGraphWindow(&Form3);
    Form2.setAttribute(Qt::WA_QuitOnClose, false);
    Form3.setAttribute(Qt::WA_QuitOnClose, false);
    Form1.show();
}
