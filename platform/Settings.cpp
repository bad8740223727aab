#include "platform/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
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

// Whether a settings file is whole and holds every key expected, and every plain text expected
// as it is. (A value that was no plain text, such as the bytes of a damaged line, may read back
// otherwise; it is whole when its line is, as every line ends with a line break.)
bool ReadsBackAs(const QString& file, const QByteArray& contents,
                 const QMap<QString, QVariant>& expected) {
    if (!contents.isEmpty() && !contents.endsWith('\n')) {
        return false; // cut off inside its last line
    }
    const QSettings written(file, QSettings::IniFormat);
    if (written.allKeys().size() != expected.size()) {
        return false;
    }
    for (auto value = expected.cbegin(); value != expected.cend(); ++value) {
        const bool plain = value.value().typeId() == QMetaType::QString &&
                           std::none_of(value.value().toString().cbegin(),
                                        value.value().toString().cend(), [](QChar c) {
                                            return c.category() == QChar::Other_Control ||
                                                   c == QChar::ReplacementCharacter;
                                        });
        if (!written.contains(value.key()) ||
            (plain && written.value(value.key()) != value.value())) {
            return false;
        }
    }
    return true;
}

// The file's new contents after the edit, or nothing when that cannot be worked out. The edit
// works on private copies: Qt keeps one parsed copy of each settings file for all its readers,
// and a write that failed there would stay in it, shown as if it were stored.
std::optional<QByteArray> Edited(const QString& path,
                                 const std::function<void(SettingsEdit&)>& edit) {
    // Beside the file, on the same disk: what can hold the file can hold its copy.
    const QTemporaryDir scratch(QFileInfo(path).absolutePath() + QStringLiteral("/.edit-XXXXXX"));
    if (!scratch.isValid()) {
        return std::nullopt;
    }
    const QString copy = scratch.filePath(QStringLiteral("stored.conf"));
    const QString fresh = scratch.filePath(QStringLiteral("edited.conf"));
    if (QFileInfo::exists(path) && !QFile::copy(path, copy)) {
        return std::nullopt; // unreadable: writing would lose what it holds
    }
    QMap<QString, QVariant> expected;
    {
        // All the file holds that Qt can read, written anew into a fresh file: its lines that
        // are no settings are left behind, and a write that fails cannot hide behind the
        // stored file's damage (Qt reports only the first fault it meets).
        const QSettings stored(copy, QSettings::IniFormat);
        QSettings settings(fresh, QSettings::IniFormat);
        for (const QString& key : stored.allKeys()) {
            // A key that holds no value (an "=" alone, "@Invalid()") is no setting.
            if (const QVariant value = stored.value(key); value.isValid()) {
                settings.setValue(key, value);
            }
        }
        SettingsEdit access(settings);
        edit(access);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return std::nullopt;
        }
        for (const QString& key : settings.allKeys()) {
            expected.insert(key, settings.value(key));
        }
    }
    QFile edited(fresh);
    const QByteArray contents = edited.open(QIODevice::ReadOnly) ? edited.readAll() : QByteArray();
    // Read back under a name Qt has not seen: its writer tells of no fault when the disk fills
    // up under it, and a file cut short must never take the place of a whole one.
    const QString check = scratch.filePath(QStringLiteral("check.conf"));
    QFile copyOfEdited(check);
    if (!copyOfEdited.open(QIODevice::WriteOnly) ||
        copyOfEdited.write(contents) != contents.size() || !copyOfEdited.flush()) {
        return std::nullopt;
    }
    copyOfEdited.close();
    return ReadsBackAs(check, contents, expected) ? std::optional(contents) : std::nullopt;
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
