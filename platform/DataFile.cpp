#include "platform/DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFile(const QString& name) {
    return DataFileFor(QCoreApplication::applicationDirPath(), name);
}

QString DataFileFor(const QString& programFolder, const QString& name) {
    const QString beside = programFolder + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/orbet/") + name);
}
