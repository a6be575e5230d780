#pragma once

#include "ui/qt/FileDialog.h"

#include <QStringList>

// Answers the save dialog with a name set by the test, and records what was asked.
class FakeFileChooser final : public FileChooser {
  public:
    QString SaveFileName(QWidget* /*parent*/, const QString& caption, const QString& filter,
                         const QString& suggested) override {
        asked << caption << filter << suggested;
        return answer;
    }
    QString answer;
    QStringList asked;
};
