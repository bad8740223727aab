#include "platform/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

namespace {

// A save works in a scratch folder beside the file, ".edit-" and six letters or digits (as
// the pattern below and QTemporaryDir make it), on these files.
const QString kStoredCopy = QStringLiteral("stored.conf");
const QString kEditedCopy = QStringLiteral("edited.conf");
const QString kCheckCopy = QStringLiteral("check.conf");
const std::array kScratchFiles{kStoredCopy, kEditedCopy, kCheckCopy};

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

// The section of the file a key lies in, as Qt writes it: the first step of its path, or none
// for a key outside any section.
QString FileSection(const QString& section, const QString& key) {
    const QStringList steps = KeyPath(section, key).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return steps.size() > 1 ? steps.first() : QString();
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
                                            // A surrogate alone reads back as another text.
                                            return c.category() == QChar::Other_Control ||
                                                   c.category() == QChar::Other_Surrogate ||
                                                   c == QChar::ReplacementCharacter;
                                        });
        if (!written.contains(value.key()) ||
            (plain && written.value(value.key()) != value.value())) {
            return false;
        }
    }
    return true;
}

// The file as Qt reads it, in two parts, each as the file holds it: the keys outside any
// section with the sections an edit works on, and every other section.
struct Parts {
    QByteArray own;
    QByteArray others;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The next line from pos on as Qt's reader finds it, or false at the end. Blanks before a line
// and whole comment lines are skipped; a line break inside quotes or after a backslash does not
// end the line, and a ';' outside quotes does.
bool NextLine(QByteArrayView data, qsizetype& pos, qsizetype& start, qsizetype& length) {
    start = pos;
    while (start < data.size() && IsBlank(data[start])) {
        ++start;
    }
    bool quoted = false;
    qsizetype i = start;
    while (i < data.size()) {
        const char c = data[i++];
        if ((c == '\n' || c == '\r' || (c == ';' && i != start + 1)) && !quoted) {
            --i;
            break;
        }
        if (c == ';' && i == start + 1) { // a comment line
            while (i < data.size() && data[i] != '\n' && data[i] != '\r') {
                ++i;
            }
            while (i < data.size() && IsBlank(data[i])) {
                ++i;
            }
            start = i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && i < data.size()) {
            const char next = data[i++];
            if (i < data.size() &&
                ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n'))) {
                ++i;
            }
        }
    }
    pos = i;
    length = i - start;
    return length > 0;
}

// A section's name as Qt reads it from its header: "%20" and "%U0020" stand for characters, a
// backslash for a slash.
QString Unescaped(const QByteArray& name) {
    const QString text = QString::fromUtf8(name);
    QString result;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == QLatin1Char('\\')) {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (text[i] == QLatin1Char('%') && i + 1 < text.size()) {
            const qsizetype first = text[i + 1] == QLatin1Char('U') ? i + 2 : i + 1;
            const qsizetype digits = first == i + 2 ? 4 : 2;
            bool ok = false;
            const ushort code =
                first + digits <= text.size() ? text.mid(first, digits).toUShort(&ok, 16) : 0;
            if (ok) {
                result += QChar(code);
                i = first + digits;
                continue;
            }
        }
        result += text[i++];
    }
    return result;
}

// Whether a header line opens one of these sections, or the keys outside any ("[General]").
bool Opens(QByteArrayView line, const QStringList& sections) {
    const qsizetype end = line.indexOf(']');
    const QByteArray name =
        line.sliced(1, (end < 0 ? line.size() : end) - 1).toByteArray().trimmed();
    return name.compare("general", Qt::CaseInsensitive) == 0 ||
           sections.contains(Unescaped(name).section(QLatin1Char('/'), 0, 0));
}

// Each section goes whole, from its header line to the next one, to its part.
Parts Split(const QByteArray& file, const QStringList& sections) {
    const QByteArrayView data(file);
    Parts parts;
    QByteArray* part = &parts.own; // the keys before any header lie outside any section
    qsizetype from = 0;
    qsizetype pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a byte-order mark opens no line
    qsizetype start = 0;
    qsizetype length = 0;
    while (NextLine(data, pos, start, length)) {
        if (data[start] == '[') {
            part->append(data.sliced(from, start - from));
            part = Opens(data.sliced(start, length), sections) ? &parts.own : &parts.others;
            from = start;
        }
    }
    part->append(data.sliced(from));
    return parts;
}

bool WriteWhole(const QString& name, const QByteArray& contents) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.flush();
}

// The file's new contents after the edit, or nothing when that cannot be worked out. Qt reads,
// edits and writes only the edit's part of the file: the others are copied as they stand. The
// edit works on private copies: Qt keeps one parsed copy of each settings file for all its
// readers, and a write that failed there would stay in it, shown as if it were stored.
std::optional<QByteArray> Edited(const QString& path, const QStringList& sections,
                                 const std::function<void(SettingsEdit&)>& edit) {
    // Beside the file, on the same disk: what can hold the file can hold its copy.
    const QTemporaryDir scratch(QFileInfo(path).absolutePath() + QStringLiteral("/.edit-XXXXXX"));
    if (!scratch.isValid()) {
        return std::nullopt;
    }
    QByteArray stored;
    if (QFile file(path); file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt; // unreadable: writing would lose what it holds
        }
        stored = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            return std::nullopt;
        }
    }
    const Parts parts = Split(stored, sections);
    const QString copy = scratch.filePath(kStoredCopy);
    const QString fresh = scratch.filePath(kEditedCopy);
    if (!WriteWhole(copy, parts.own)) {
        return std::nullopt;
    }
    QMap<QString, QVariant> expected;
    {
        // All the part holds that Qt can read, written anew into a fresh file: its lines that
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
        SettingsEdit access(settings, sections);
        edit(access);
        settings.sync();
        if (access.Strayed() || settings.status() != QSettings::NoError) {
            return std::nullopt;
        }
        for (const QString& key : settings.allKeys()) {
            expected.insert(key, settings.value(key));
        }
    }
    QFile edited(fresh);
    QByteArray contents = edited.open(QIODevice::ReadOnly) ? edited.readAll() : QByteArray();
    // Read back under a name Qt has not seen: its writer tells of no fault when the disk fills
    // up under it, and a file cut short must never take the place of a whole one.
    const QString check = scratch.filePath(kCheckCopy);
    if (!WriteWhole(check, contents) || !ReadsBackAs(check, contents, expected)) {
        return std::nullopt;
    }
    // The other sections follow, set apart as Qt sets its sections apart.
    if (!contents.isEmpty() && !parts.others.isEmpty()) {
        contents += '\n';
    }
    return contents + parts.others;
}

// A save killed midway leaves its scratch folder behind: the next one removes it, under the
// lock, so no save is using it. Only a folder named as ours are and holding only the files
// ours hold is taken for one.
void RemoveLeftScratch(const QString& path) {
    static const QRegularExpression kScratch(QStringLiteral("^\\.edit-[A-Za-z0-9]{6}$"));
    const auto ours = [](const QFileInfo& file) { // a file of ours, or its own lock
        return file.isFile() && !file.isSymLink() &&
               std::any_of(kScratchFiles.cbegin(), kScratchFiles.cend(),
                           [&](const QString& name) { return file.fileName().startsWith(name); });
    };
    const QDir folder = QFileInfo(path).absoluteDir();
    for (const QFileInfo& entry :
         folder.entryInfoList({QStringLiteral(".edit-*")}, QDir::Dirs | QDir::Hidden)) {
        if (entry.isSymLink() || !kScratch.match(entry.fileName()).hasMatch()) {
            continue;
        }
        QDir scratch(entry.filePath());
        const QFileInfoList files = scratch.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot);
        if (std::all_of(files.cbegin(), files.cend(), ours)) {
            scratch.removeRecursively();
        }
    }
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

bool SettingsEdit::Holds(const QString& section, const QString& key) const {
    const QString in = FileSection(section, key);
    const bool held = in.isEmpty() || mSections.contains(in);
    mStrayed = mStrayed || !held;
    return held;
}

QString SettingsEdit::Get(const QString& section, const QString& key,
                          const QString& defaultValue) const {
    return Holds(section, key) ? Read(mSettings, section, key, defaultValue) : defaultValue;
}

void SettingsEdit::Save(const QString& section, const QString& key, const QString& value) {
    if (Holds(section, key)) {
        mSettings.setValue(KeyPath(section, key), value);
    }
}

void SettingsEdit::Remove(const QString& section, const QString& key) {
    if (Holds(section, key)) {
        mSettings.remove(KeyPath(section, key));
    }
}

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    return Read(*OpenStore(application), section, key, defaultValue);
}

void GetSettings(const QString& application, const std::function<void(const SettingsGet&)>& read) {
    // Qt reads the file again only when a store is opened, so one store reads from one moment.
    const std::unique_ptr<QSettings> settings = OpenStore(application);
    read([&](const QString& section, const QString& key, const QString& defaultValue) {
        return Read(*settings, section, key, defaultValue);
    });
}

bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    return EditSettings(application, {FileSection(section, key)},
                        [&](SettingsEdit& settings) { settings.Save(section, key, value); });
}

QString SettingsFile(const QString& application) {
    return OpenStore(application)->fileName();
}

bool EditSettings(const QString& application, const QStringList& sections,
                  const std::function<void(SettingsEdit&)>& edit) {
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
    RemoveLeftScratch(path);
    const std::optional<QByteArray> contents = Edited(path, sections, edit);
    if (!contents) {
        return false;
    }
    const QDateTime before = QFileInfo(path).lastModified();
    QSaveFile file(path); // replaces the file in one step
    // Its commit passes over a write that a full disk cut short; a flush tells of it.
    if (!file.open(QIODevice::WriteOnly) || file.write(*contents) != contents->size() ||
        !file.flush() || !file.commit()) {
        return false;
    }
    MarkChanged(path, before);
    return true;
}
