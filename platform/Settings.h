#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QSettings;

// The per-user settings store, addressed by application ("Maker\Product"), section and key.
// A missing key reads as the default. Reading never waits. A write reaches the disk at once or
// not at all: when the file cannot be written, or another program holds it for more than about a
// second, the write reports false and the store reads as it did before.
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue);
// Reads several settings together, from the file as it stood at one moment: read gets each
// through get, as GetSetting would, and a write by another program lands before them all or
// after them all.
using SettingsGet =
    std::function<QString(const QString& section, const QString& key, const QString& defaultValue)>;
void GetSettings(const QString& application, const std::function<void(const SettingsGet&)>& read);
// Rewrites only the key's section (see EditSettings).
bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);

// The file that holds an application's settings, to tell the player where it is.
QString SettingsFile(const QString& application);

// One application's settings as they stand on disk while an edit holds them: the keys outside
// any section and those of the edit's sections. Removing a key that is not there is no fault.
class SettingsEdit {
public:
    SettingsEdit(QSettings& settings, const QStringList& sections)
        : mSettings(settings), mSections(sections) {}
    QString Get(const QString& section, const QString& key, const QString& defaultValue) const;
    void Save(const QString& section, const QString& key, const QString& value);
    void Remove(const QString& section, const QString& key);
    // Whether the edit reached for a key outside its sections, which it can neither read nor
    // change.
    bool Strayed() const { return mStrayed; }

private:
    bool Holds(const QString& section, const QString& key) const;

    QSettings& mSettings;
    const QStringList mSections;
    mutable bool mStrayed = false;
};

// Reads and changes an application's settings under the lock every writer takes, so that what
// the edit reads is still what the file holds when its writes land. The writes reach the disk
// together or not at all; returns false when they could not be written, or when the edit
// strayed outside its sections. The edit works on the keys outside any section and on the
// sections named; the file's other sections (another program's, or another version's) are kept
// byte for byte, and however large they are, they cost a save little. Lines of the edit's part
// that hold no setting (damage, a cut-off header) may be dropped by the rewrite.
bool EditSettings(const QString& application, const QStringList& sections,
                  const std::function<void(SettingsEdit&)>& edit);
