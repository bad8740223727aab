#pragma once

#include "platform/PieceImages.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"
#include "platform/Stored.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <initializer_list>
#include <random>

// Hands out the fractions it was given, then carries on with a seeded sequence.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(uint64_t seed = 1) : mFallback(seed) {}
    void Push(double fraction) { mScript.push_back(fraction); }
    void PushColour(int32_t colour) { Push((colour + 0.5) / PIECE_COLOURS); }
    void PushCell(int32_t index) { Push((index - 0.5) / 100.0); }
    void PushColours(std::initializer_list<int32_t> colours) {
        for (const int32_t colour : colours) {
            PushColour(colour);
        }
    }
    void PushCells(std::initializer_list<int32_t> cells) {
        for (const int32_t cell : cells) {
            PushCell(cell);
        }
    }
    bool Exhausted() const { return mScript.empty(); }
    double Rnd() override {
        if (mScript.empty()) {
            return mFallback.Rnd();
        }
        const double next = mScript.front();
        mScript.pop_front();
        return next;
    }

private:
    std::deque<double> mScript;
    ClockRandomSource mFallback;
};

class RecordingSoundPlayer : public SoundPlayer {
public:
    void PlaySound(const QString& strName) override { played.append(strName); }
    QStringList played;
};

// Points the per-user settings store at a fresh folder for as long as it lives.
class IsolatedSettings {
public:
    // In a fresh folder under the given one, or under the system's temporary folder.
    explicit IsolatedSettings(const QString& under = QDir::tempPath())
        : mFolder(under + QStringLiteral("/orbet-XXXXXX")) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mFolder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, mFolder.path());
    }
    QString Folder() const { return mFolder.path(); }
    QString File() const { return mFolder.path() + QStringLiteral("/Hollenby Ltd/Orbet.conf"); }
    QByteArray Bytes() const {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The file and its folder become read-only for their owner and everybody else.
    void MakeReadOnly() const {
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto enterable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(mFolder.path(), enterable | QFile::WriteOwner);
        QFile::setPermissions(File(), readable);
        QFile::setPermissions(QFileInfo(File()).path(), enterable);
    }
    // The file as another program could have left it, byte for byte.
    bool Store(const QByteArray& bytes) const {
        QFile file(File());
        return QDir().mkpath(QFileInfo(File()).path()) && file.open(QIODevice::WriteOnly) &&
               file.write(bytes) == bytes.size();
    }
    // Any value, as another program could have left it, past the game's own checks.
    static void Write(const Stored::Item& item, const QVariant& value) {
        QSettings(QStringLiteral("Hollenby Ltd"), QStringLiteral("Orbet"))
            .setValue(Path(item), value);
    }
    static void Write(Stored::Key key, const QVariant& value) { Write(Stored::Of(key), value); }
    // A High Score row as the game stores it, its name first.
    static void WriteRow(int rank, const QString& name, const QString& score) {
        Write(Stored::Name(rank), name);
        Write(Stored::Score(rank), score);
    }
    // High Score rows for players P1, P2... from rank 1 on, with these scores.
    template <typename Score = int> static void WriteScores(const QList<Score>& scores) {
        for (qsizetype i = 0; i < scores.size(); ++i) {
            WriteRow(int(i + 1), QStringLiteral("P%1").arg(i + 1), QVariant(scores[i]).toString());
        }
    }
    static QVariant Read(const Stored::Item& item) {
        return QSettings(QStringLiteral("Hollenby Ltd"), QStringLiteral("Orbet")).value(Path(item));
    }
    static QVariant Read(Stored::Key key) { return Read(Stored::Of(key)); }
    static QString Path(const Stored::Item& item) { return item.section + '/' + item.key; }

private:
    QTemporaryDir mFolder;
};
