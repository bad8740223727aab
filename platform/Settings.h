#pragma once

#include <QList>
#include <QString>

#include <utility>

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

// Writes that reach the disk together or not at all, in the order they were saved.
class SettingsBatch {
public:
    explicit SettingsBatch(QString application) : mApplication(std::move(application)) {}
    void Save(const QString& section, const QString& key, const QString& value);
    bool Commit() const;

private:
    QString mApplication;
    QList<std::pair<QString, QString>> mWrites; // key path, value
};
