#pragma once

#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

#include <unistd.h>

// Hands out the fractions it was given, then carries on with a seeded sequence.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(uint64_t seed = 1) : mFallback(seed) {}
    void Push(double fraction) { mScript.push_back(fraction); }
    void PushColour(int32_t colour) { Push((colour + 0.5) / 7.0); }
    void PushCell(int32_t index) { Push((index - 0.5) / 100.0); }
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
    IsolatedSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mFolder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, mFolder.path());
    }
    QString Folder() const { return mFolder.path(); }
    QString File() const { return mFolder.path() + QStringLiteral("/Hollenby Ltd/Orbet.conf"); }
    // The file and its folder become read-only for their owner and everybody else.
    void MakeReadOnly() const {
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto enterable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(mFolder.path(), enterable | QFile::WriteOwner);
        QFile::setPermissions(File(), readable);
        QFile::setPermissions(QFileInfo(File()).path(), enterable);
    }
    static void Write(const QString& key, const QString& value) {
        QSettings(QStringLiteral("Hollenby Ltd"), QStringLiteral("Orbet")).setValue(key, value);
    }
    static QVariant Read(const QString& key) {
        return QSettings(QStringLiteral("Hollenby Ltd"), QStringLiteral("Orbet")).value(key);
    }

private:
    QTemporaryDir mFolder;
};

// Runs as an ordinary user while it lives, so that file permissions hold even for a test run
// as root.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() {
        constexpr uid_t kNobody = 65534;
        mWasRoot = geteuid() == 0 && setegid(kNobody) == 0 && seteuid(kNobody) == 0;
    }
    ~AsOrdinaryUser() {
        if (mWasRoot && (seteuid(0) != 0 || setegid(0) != 0)) {
            qFatal("could not become root again");
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    bool mWasRoot = false;
};

// Ends the test program with a message if it is still running a step after some seconds: a
// step that would wait for ever fails in seconds instead.
class Deadline {
public:
    Deadline(int seconds, const char* what)
        : mWatch([this, seconds, what] {
              std::unique_lock<std::mutex> lock(mMutex);
              if (!mDone.wait_for(lock, std::chrono::seconds(seconds),
                                  [this] { return mFinished; })) {
                  qFatal("still waiting after %d s: %s", seconds, what);
              }
          }) {}
    ~Deadline() {
        {
            const std::lock_guard<std::mutex> lock(mMutex);
            mFinished = true;
        }
        mDone.notify_one();
        mWatch.join();
    }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

private:
    std::mutex mMutex;
    std::condition_variable mDone;
    bool mFinished = false;
    std::thread mWatch;
};
