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
    : Boxes(boxes), Presenters(Boxes), Main(Presenters, Boxes), Help(), Graph(Presenters, Boxes),
      Spread(Presenters, Main, Boxes), Design(Presenters, Main) {
    Main.SetHelpWindow(&Help);
    Main.SetGraphWindow(&Graph);
    Help.setAttribute(Qt::WA_QuitOnClose, false);
    Graph.setAttribute(Qt::WA_QuitOnClose, false);
    Main.show();
}
