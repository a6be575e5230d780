#pragma once

#include <QString>

class QWidget;

// Asks the user where to save a file. Behind an interface so that window tests answer it without
// a dialog.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen file's full name, or an empty string when the user cancelled. `filter` is a
    // name filter such as "Рисунок PNG (*.png)"; its extension is added to a name typed without
    // one. `suggested` is the name proposed.
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& suggested) = 0;
};

// The toolkit's save dialog.
FileChooser& SaveDialog();
