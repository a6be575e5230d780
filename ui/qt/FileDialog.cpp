#include "FileDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

class DialogFileChooser final : public FileChooser {
  public:
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& suggested) override {
        QFileDialog dialog(parent, caption, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // "… (*.csv)" → "csv"
        const QRegularExpressionMatch suffix =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        dialog.setDefaultSuffix(suffix.captured(1));
        dialog.selectFile(suggested);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().front();
    }
};

} // namespace

FileChooser& SaveDialog() {
    static DialogFileChooser dialog;
    return dialog;
}
