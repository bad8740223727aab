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

QString Read(const QSettings& settings, const QString& section, const QString& key,
             const QString& defaultValue) {
    const QVariant value = settings.value(KeyPath(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    // A value that is not plain text (a list or a binary blob written by something else)
    // reads as the empty text.
    return value.canConvert<QString>() ? value.toString() : QString();
}

// The file's new contents after the edit, or nothing when that cannot be worked out. The edit
// works on a private copy: Qt keeps one parsed copy of each settings file for all its readers,
// and a write that failed there would stay in it, shown as if it were stored.
std::optional<QByteArray> Edited(const QString& path,
                                 const std::function<void(SettingsEdit&)>& edit) {
    // Beside the file, on the same disk: what can hold the file can hold its copy.
    const QTemporaryDir scratch(QFileInfo(path).absolutePath() + QStringLiteral("/.edit-XXXXXX"));
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
        QSettings settings(copy, QSettings::IniFormat);
        SettingsEdit access(settings);
        edit(access);
        settings.sync();
        // A file Qt cannot parse in full is still rewritten with all it could read: only a
        // copy that cannot be written fails the edit.
        if (settings.status() == QSettings::AccessError) {
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

QString SettingsEdit::Get(const QString& section, const QString& key,
                          const QString& defaultValue) const {
    return Read(mSettings, section, key, defaultValue);
}

void SettingsEdit::Save(const QString& section, const QString& key, const QString& value) {
    mSettings.setValue(KeyPath(section, key), value);
}

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    return Read(*OpenStore(application), section, key, defaultValue);
}

bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    return EditSettings(application,
                        [&](SettingsEdit& settings) { settings.Save(section, key, value); });
}

QString SettingsFile(const QString& application) {
    return OpenStore(application)->fileName();
}

bool EditSettings(const QString& application, const std::function<void(SettingsEdit&)>& edit) {
    const QString path = SettingsFile(application);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    // The lock every writer of the file takes. One left by a program that has died is taken
    // over; one that is still held, or cannot be taken at all, is waited for only briefly.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        return false;
    }
    const std::optional<QByteArray> contents = Edited(path, edit);
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
