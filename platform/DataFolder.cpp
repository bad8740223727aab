#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFolder() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(programFolder + QStringLiteral("/select.wav"))) {
        return programFolder;
    }
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/orbet"));
}
