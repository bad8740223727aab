#include "platform/WindowSystem.h"

#include "platform/Translations.h"

#include <QByteArray>
#include <QList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <mutex>
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

// Qt's own threads (the X11 reader, D-Bus) may report while the window system opens.
std::mutex& HeldLock() {
    static std::mutex lock;
    return lock;
}

// Said in the player's language, made ready before there is an application to translate it.
QByteArray& NoWindowSystem() {
    static QByteArray said;
    return said;
}

// While the window system opens, Qt's reports wait: they are of use only if it opens.
void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(NoWindowSystem().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1); // nothing has been opened or changed yet
    }
    const std::lock_guard<std::mutex> hold(HeldLock());
    Held().append({type, QByteArray(context.category), text});
}

void Replay(const HeldMessage& message) {
    const QMessageLogger logger(
        nullptr, 0, nullptr, message.category.isEmpty() ? "default" : message.category.constData());
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
    const char* const message = QT_TRANSLATE_NOOP(
        "WindowSystem", "no window system could be reached; Orbet needs a "
                        "graphical desktop session (DISPLAY or WAYLAND_DISPLAY).");
    const std::unique_ptr<QTranslator> translator = Translations::Orbet();
    const QString translated =
        translator ? translator->translate("WindowSystem", message) : QString();
    NoWindowSystem() =
        "orbet: " + (translated.isEmpty() ? QByteArray(message) : translated.toLocal8Bit()) + '\n';
    const QtMessageHandler previous = qInstallMessageHandler(HoldWhileOpening);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    QList<HeldMessage> held;
    {
        const std::lock_guard<std::mutex> hold(HeldLock());
        held = std::exchange(Held(), {});
    }
    for (const HeldMessage& message : held) {
        Replay(message);
    }
    return application;
}
