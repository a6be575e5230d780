#include "SettingsRecentFiles.h"

#include <QSettings>
#include <QStringList>

namespace {

const QString kKey = QStringLiteral("recentFiles");

QSettings Settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ou"),
                     QStringLiteral("ou"));
}

} // namespace

std::vector<std::filesystem::path> SettingsRecentFiles::Load() {
    std::vector<std::filesystem::path> files;
    for (const QString& file : Settings().value(kKey).toStringList())
        files.push_back(PathFromStoredText(file.toStdU16String()));
    return files;
}

void SettingsRecentFiles::Store(const std::vector<std::filesystem::path>& files) {
    QStringList list;
    for (const std::filesystem::path& file : files)
        list << QString::fromStdU16String(file.u16string());
    Settings().setValue(kKey, list);
}
