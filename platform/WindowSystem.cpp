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

// What to say if the window system does not open, in the player's language, made ready before
// there is an application to translate it: that no desktop session could be reached, or, where
// there is one but Qt cannot start the plugin it was asked for, which plugin and what to do.
QByteArray& Refusal() {
    static QByteArray said;
    return said;
}
bool& PluginRefused() {
    static bool refused = false;
    return refused;
}

// Qt's own reason: what its plugin loader said last, else the first line of its last words.
QString QtReason(const QString& fatal) {
    const std::lock_guard<std::mutex> hold(HeldLock());
    for (auto message = Held().crbegin(); message != Held().crend(); ++message) {
        if (message->category == "qt.qpa.plugin") {
            return message->text;
        }
    }
    return fatal.section(QLatin1Char('\n'), 0, 0);
}

// While the window system opens, Qt's reports wait: they are of use only if it opens.
void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(Refusal().constData(), stderr);
        if (PluginRefused()) {
            std::fprintf(stderr, "orbet: Qt: %s\n", QtReason(text).toLocal8Bit().constData());
        }
        std::fflush(stderr);
        std::_Exit(1); // nothing has been opened or changed yet
    }
    const std::lock_guard<std::mutex> hold(HeldLock());
    Held().append({type, QByteArray(context.category), text});
}

// The plugin asked for by -platform, which comes first, or by QT_QPA_PLATFORM; empty where Qt
// is left to choose.
QString AskedPlugin(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0) {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
    }
    return qEnvironmentVariable("QT_QPA_PLATFORM");
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
    const QString plugin = AskedPlugin(argc, argv);
    PluginRefused() = !plugin.isEmpty() && (!qEnvironmentVariableIsEmpty("DISPLAY") ||
                                            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    const char* const message =
        PluginRefused()
            ? QT_TRANSLATE_NOOP("WindowSystem",
                                "Qt's window-system plugin \"%1\" is missing or could not start; "
                                "install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to "
                                "let Qt choose.")
            : QT_TRANSLATE_NOOP("WindowSystem", "no window system could be reached; Orbet needs a "
                                                "graphical desktop session (DISPLAY or "
                                                "WAYLAND_DISPLAY).");
    const std::unique_ptr<QTranslator> translator = Translations::Orbet();
    const QString translated =
        translator ? translator->translate("WindowSystem", message) : QString();
    QString said = translated.isEmpty() ? QString::fromLatin1(message) : translated;
    if (PluginRefused()) {
        said = said.arg(plugin);
    }
    Refusal() = "orbet: " + said.toLocal8Bit() + '\n';
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
