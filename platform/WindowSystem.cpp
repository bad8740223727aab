#include "platform/WindowSystem.h"

#include "platform/Translations.h"

#include <QByteArray>
#include <QList>
#include <QThread>
#include <QTranslator>

#include <algorithm>
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
// there is one but Qt has no plugin of the name it was asked for, which plugin and what to do.
struct Refusals {
    QByteArray unreached;
    QByteArray missingPlugin;
    bool displayNamed = false; // a plugin asked for where a desktop session seems to be
};
Refusals& Refusal() {
    static Refusals said;
    return said;
}

// Text from the command line or the environment, fit for one line of a terminal: no control
// or direction character of its own, and not without end.
QString Printable(const QString& text) {
    constexpr qsizetype kLongest = 200;
    QString shown;
    for (const QChar c : text.left(kLongest)) {
        shown += c.isPrint() && c.category() != QChar::Other_Format ? c : QChar(u'?');
    }
    return text.size() > kLongest ? shown + QStringLiteral("...") : shown;
}

// Qt's plugin loader says so when it has no plugin of the name asked for.
bool PluginMissing() {
    const std::lock_guard<std::mutex> hold(HeldLock());
    return std::any_of(Held().cbegin(), Held().cend(), [](const HeldMessage& message) {
        return message.category == "qt.qpa.plugin" &&
               message.text.startsWith(QLatin1String("Could not find the Qt platform plugin"));
    });
}

// Qt's own reason: what a plugin said last, else what its loader said last.
QString QtReason() {
    const std::lock_guard<std::mutex> hold(HeldLock());
    QString loader;
    for (auto message = Held().crbegin(); message != Held().crend(); ++message) {
        if (message->category.startsWith("qt.qpa.") && message->category != "qt.qpa.plugin") {
            return message->text;
        }
        if (loader.isEmpty() && message->category == "qt.qpa.plugin") {
            loader = message->text;
        }
    }
    return loader;
}

// While the window system opens, Qt's reports wait: they are of use only if it opens.
void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const Refusals& refusal = Refusal();
        const bool missing = refusal.displayNamed && PluginMissing();
        std::fputs((missing ? refusal.missingPlugin : refusal.unreached).constData(), stderr);
        if (const QString reason = QtReason(); refusal.displayNamed && !reason.isEmpty()) {
            std::fprintf(stderr, "orbet: Qt: %s\n", Printable(reason).toLocal8Bit().constData());
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
    const std::unique_ptr<QTranslator> translator = Translations::Orbet();
    const auto say = [&translator](const char* message) {
        const QString translated =
            translator ? translator->translate("WindowSystem", message) : QString();
        return translated.isEmpty() ? QString::fromLatin1(message) : translated;
    };
    Refusals& refusal = Refusal();
    refusal.displayNamed = !plugin.isEmpty() && (!qEnvironmentVariableIsEmpty("DISPLAY") ||
                                                 !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    refusal.unreached =
        "orbet: " +
        say(QT_TRANSLATE_NOOP("WindowSystem", "no window system could be reached; Orbet needs a "
                                              "graphical desktop session (DISPLAY or "
                                              "WAYLAND_DISPLAY)."))
            .toLocal8Bit() +
        '\n';
    refusal.missingPlugin =
        "orbet: " +
        say(QT_TRANSLATE_NOOP("WindowSystem",
                              "Qt's window-system plugin \"%1\" is missing or could not start; "
                              "install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to "
                              "let Qt choose."))
            .arg(Printable(plugin))
            .toLocal8Bit() +
        '\n';
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

void CloseWindowSystem(std::unique_ptr<QApplication> application) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // No event loop runs any more, so the thread goes back to waiting on the display,
        // where stopping it is safe.
        QThread::msleep(50);
    }
    application.reset();
}
