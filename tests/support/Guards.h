#pragma once

#include <QtGlobal>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

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

// Lets no file grow beyond a size while it lives, as a full disk would: a write past it fails
// (the signal such a write raises is ignored meanwhile).
class FilesNoLargerThan {
public:
    explicit FilesNoLargerThan(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &mBefore);
        mSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = mBefore;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FilesNoLargerThan() {
        setrlimit(RLIMIT_FSIZE, &mBefore);
        std::signal(SIGXFSZ, mSignal);
    }
    FilesNoLargerThan(const FilesNoLargerThan&) = delete;
    FilesNoLargerThan& operator=(const FilesNoLargerThan&) = delete;

private:
    rlimit mBefore{};
    void (*mSignal)(int) = SIG_DFL;
};
