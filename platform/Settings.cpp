#include "platform/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace {

// Long enough for another program to finish its own write, short enough not to freeze the game.
constexpr int kLockWaitMs = 1000;

std::unique_ptr<QSettings> OpenStore(const QString& application) {
    const qsizetype slash = application.indexOf(QLatin1Char('\\'));
    const QString maker = slash < 0 ? QString() : application.left(slash);
    const QString product = slash < 0 ? application : application.mid(slash + 1);
    return std::make_unique<QSettings>(QSettings::UserScope, maker, product);
}

QString KeyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

// The file's new contents with the writes applied, or nothing when that cannot be worked out.
// The writes go to a private copy: Qt keeps one parsed copy of each settings file for all its
// readers, and a write that failed there would stay in it, shown as if it were stored.
std::optional<QByteArray> Edited(const QString& path,
                                 const QList<std::pair<QString, QString>>& writes) {
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return std::nullopt;
    }
    const QString copy = scratch.filePath(QStringLiteral("settings.conf"));
    if (QFileInfo::exists(path)) {
        if (!QFile::copy(path, copy)) {
            return std::nullopt; // unreadable: writing would lose what it holds
        }
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    }
    {
        QSettings edit(copy, QSettings::IniFormat);
        for (const auto& [key, value] : writes) {
            edit.setValue(key, value);
        }
        edit.sync();
        if (edit.status() != QSettings::NoError) {
            return std::nullopt;
        }
    }
    QFile edited(copy);
    if (!edited.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return edited.readAll();
}

// Readers look at the file again only when its size or time has changed, so a rewrite within
// the same millisecond as the last one must still look changed to them.
void MarkChanged(const QString& path, const QDateTime& before) {
    QFile file(path);
    if (QFileInfo(path).lastModified() == before && file.open(QIODevice::ReadOnly)) {
        file.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
    }
}

} // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    const QVariant value = OpenStore(application)->value(KeyPath(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    // A value that is not plain text (a list or a binary blob written by something else)
    // reads as the empty text.
    return value.canConvert<QString>() ? value.toString() : QString();
}

bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    SettingsBatch batch(application);
    batch.Save(section, key, value);
    return batch.Commit();
}

QString SettingsFile(const QString& application) {
    return OpenStore(application)->fileName();
}

void SettingsBatch::Save(const QString& section, const QString& key, const QString& value) {
    mWrites.append({KeyPath(section, key), value});
}

bool SettingsBatch::Commit() const {
    const QString path = SettingsFile(mApplication);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    // The lock every writer of the file takes. One left by a program that has died is taken
    // over; one that is still held, or cannot be taken at all, is waited for only briefly.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        return false;
    }
    const std::optional<QByteArray> contents = Edited(path, mWrites);
    if (!contents) {
        return false;
    }
    const QDateTime before = QFileInfo(path).lastModified();
    QSaveFile file(path); // replaces the file in one step
    if (!file.open(QIODevice::WriteOnly) || file.write(*contents) != contents->size() ||
        !file.commit()) {
        return false;
    }
    MarkChanged(path, before);
    return true;
}
