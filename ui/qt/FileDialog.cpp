#include "FileDialog.h"

#include <QFileDialog>

namespace {

std::filesystem::path Run(QWidget& owner, const FileRequest& request,
                          QFileDialog::AcceptMode mode) {
    const QString extension = QString::fromStdString(request.Extension);
    QFileDialog dialog(&owner, QString::fromStdString(request.Caption),
                       QString::fromStdU16String(request.Folder.u16string()),
                       QString::fromStdString(request.FilterName));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(extension);
    if (!request.Suggested.empty())
        dialog.selectFile(QString::fromStdString(request.Suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return std::filesystem::path(dialog.selectedFiles().front().toStdU16String());
}

} // namespace

std::filesystem::path FileDialog::SaveFileName(const FileRequest& request) {
    return Run(owner_, request, QFileDialog::AcceptSave);
}

std::filesystem::path FileDialog::OpenFileName(const FileRequest& request) {
    return Run(owner_, request, QFileDialog::AcceptOpen);
}
