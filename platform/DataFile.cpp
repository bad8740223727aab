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

QString DataFileIn(const QString& name, const QString& language) {
    return DataFileInFor(QCoreApplication::applicationDirPath(), name, language);
}

QString DataFileInFor(const QString& programFolder, const QString& name, const QString& language) {
    if (!language.isEmpty()) {
        const QFileInfo file(name);
        const QString local =
            DataFileFor(programFolder, file.completeBaseName() + QLatin1Char('_') + language +
                                           QLatin1Char('.') + file.suffix());
        if (QFileInfo::exists(local)) {
            return local;
        }
    }
    return DataFileFor(programFolder, name);
}
