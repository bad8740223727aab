#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// Exit status of a command line that cannot be understood, as shells expect it.
constexpr int kUsageError = 2;

// The options every Qt program takes, which the window system removes when it opens: those
// of the application objects, and those of the X11 plugin.
const char* const kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "name",          "title",  "visual",
    "dialogs",     "fontengine",         "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Orbet, a puzzle game: line up five or more balls of one colour to clear them from the "
        "board.\nThe manual page orbet(6) and the game's Help menu tell how to play."));
    // Qt's own options are single words after a single dash (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help and ends.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Shows the version and ends.")));
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString Version() {
    return QStringLiteral("orbet %1.%2.%3\n")
        .arg(ORBET_VERSION_MAJOR)
        .arg(ORBET_VERSION_MINOR)
        .arg(ORBET_VERSION_PATCH);
}

} // namespace

namespace CommandLine {

std::optional<int> Answer(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    Describe(parser);
    QString error;
    if (!parser.parse(arguments)) {
        error = parser.errorText();
    } else if (parser.isSet(QStringLiteral("help"))) {
        const QCoreApplication application(argc, argv); // the usage names the program
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    } else if (parser.isSet(QStringLiteral("version"))) {
        std::fputs(qPrintable(Version()), stdout);
        return 0;
    } else if (!parser.positionalArguments().isEmpty()) {
        error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    } else {
        return std::nullopt;
    }
    const QCoreApplication application(argc, argv);
    std::fprintf(stderr, "orbet: %s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
    return kUsageError;
}

} // namespace CommandLine
