#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

// Reports, on standard output, the time from the start of main to the first painted frame of
// a widget, and the peak memory so far; then ends the program.
class FirstFrame : public QObject {
public:
    using Clock = std::chrono::steady_clock;

    FirstFrame(Clock::time_point start, QWidget* widget) : mStart(start), mWidget(widget) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == mWidget && event->type() == QEvent::Paint && !mSeen) {
            mSeen = true;
            // Runs once this paint and the flush that follows it are done.
            QTimer::singleShot(0, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() {
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - mStart);
        std::printf("%lld %lld\n", static_cast<long long>(elapsed.count()), PeakKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    static long long PeakKilobytes() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            return 0;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) {
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
            }
        }
        return 0;
    }

    Clock::time_point mStart;
    QWidget* mWidget;
    bool mSeen = false;
};
