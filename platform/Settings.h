#pragma once

#include <QString>

#include <functional>

class QSettings;

// The per-user settings store, addressed by application ("Maker\Product"), section and key.
// A missing key reads as the default. Reading never waits. A write reaches the disk at once or
// not at all: when the file cannot be written, or another program holds it for more than about a
// second, the write reports false and the store reads as it did before.
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue);
bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);

// The file that holds an application's settings, to tell the player where it is.
QString SettingsFile(const QString& application);

// One application's settings as they stand on disk while an edit holds them.
class SettingsEdit {
public:
    explicit SettingsEdit(QSettings& settings) : mSettings(settings) {}
    QString Get(const QString& section, const QString& key, const QString& defaultValue) const;
    void Save(const QString& section, const QString& key, const QString& value);

private:
    QSettings& mSettings;
};

// Reads and changes an application's settings under the lock every writer takes, so that what
// the edit reads is still what the file holds when its writes land. The writes reach the disk
// together or not at all; returns false when they could not be written. Lines of the file that
// hold no setting (damage, a cut-off header) may be dropped by the rewrite.
bool EditSettings(const QString& application, const std::function<void(SettingsEdit&)>& edit);
