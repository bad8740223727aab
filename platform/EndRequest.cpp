#include "platform/EndRequest.h"

#include <QObject>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// Written by the signal handler, read in the event loop: all a handler may safely do is write.
int gEnds[2] = {-1, -1};

void Asked(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(gEnds[1], &byte, 1);
    errno = saved;
}

// Listens while it lives, on the signals the program was not started to ignore (as nohup
// starts it for SIGHUP); after it, they have their usual effect again, so that a program stuck
// on its way out can still be stopped.
class EndWatch : public QObject {
public:
    EndWatch(QObject& owner, std::function<void()> asked) : QObject(&owner) {
        if (gEnds[0] < 0 &&
            socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, gEnds) != 0) {
            return; // the signals keep their usual effect
        }
        struct sigaction action {};
        action.sa_handler = Asked;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], nullptr, &mBefore[i]);
            mTaken[i] =
                mBefore[i].sa_handler != SIG_IGN && sigaction(kSignals[i], &action, nullptr) == 0;
        }
        auto* notifier = new QSocketNotifier(gEnds[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [asked = std::move(asked)] {
            char bytes[16];
            while (read(gEnds[0], bytes, sizeof bytes) > 0) {
            }
            asked();
        });
    }
    ~EndWatch() override {
        for (size_t i = 0; i < kSignals.size(); ++i) {
            if (mTaken[i]) {
                sigaction(kSignals[i], &mBefore[i], nullptr);
            }
        }
    }

private:
    std::array<struct sigaction, kSignals.size()> mBefore{};
    std::array<bool, kSignals.size()> mTaken{};
};

} // namespace

void WhenAskedToEnd(QObject& owner, std::function<void()> asked) {
    new EndWatch(owner, std::move(asked));
}
