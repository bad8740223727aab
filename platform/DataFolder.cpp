#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFolder() { return DataFolderFor(QCoreApplication::applicationDirPath()); }

QString DataFolderFor(const QString& programFolder) {
    if (QFileInfo::exists(programFolder + QStringLiteral("/select.wav"))) {
        return programFolder;
    }
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/orbet"));
}
