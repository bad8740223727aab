#include "platform/EndRequest.h"

#include <QObject>
#include <QSocketNotifier>

#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Written by the signal handler, read in the event loop: all a handler may safely do is write.
int gEnds[2] = {-1, -1};

void Asked(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(gEnds[1], &byte, 1);
}

} // namespace

void WhenAskedToEnd(QObject& owner, std::function<void()> asked) {
    if (gEnds[0] < 0) {
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, gEnds) != 0) {
            return; // the signals keep their usual effect
        }
        struct sigaction action {};
        action.sa_handler = Asked;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            sigaction(signal, &action, nullptr);
        }
    }
    auto* notifier = new QSocketNotifier(gEnds[0], QSocketNotifier::Read, &owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &owner, [asked = std::move(asked)] {
        char bytes[16];
        while (read(gEnds[0], bytes, sizeof bytes) > 0) {
        }
        asked();
    });
}
