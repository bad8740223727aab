#include "platform/WindowSystem.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage>& Held() {
    static QList<HeldMessage> held;
    return held;
}

// While the window system opens, Qt's reports wait: they are of use only if it opens.
void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("orbet: no window system could be reached; Orbet needs a graphical desktop "
                   "session (DISPLAY or WAYLAND_DISPLAY).\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1); // nothing has been opened or changed yet
    }
    Held().append({type, QByteArray(context.category), text});
}

void Replay(const HeldMessage& message) {
    const QMessageLogger logger(nullptr, 0, nullptr, message.category.constData());
    switch (message.type) {
    case QtDebugMsg:
        logger.debug("%s", qUtf8Printable(message.text));
        break;
    case QtInfoMsg:
        logger.info("%s", qUtf8Printable(message.text));
        break;
    case QtWarningMsg:
        logger.warning("%s", qUtf8Printable(message.text));
        break;
    default:
        logger.critical("%s", qUtf8Printable(message.text));
        break;
    }
}

} // namespace

std::unique_ptr<QApplication> OpenWindowSystem(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(HoldWhileOpening);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : std::exchange(Held(), {})) {
        Replay(message);
    }
    return application;
}
