#include "app/CommandLine.h"

#include "platform/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

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
// Of those, the ones Qt also takes as one word with "=" before the value (-style=fusion); the
// others it takes only with the value as the next argument (-platform offscreen).
const char* const kQtOptionsWithEquals[] = {"style", "stylesheet", "dialogs", "fontengine",
                                            "qmljsdebugger"};

// An argument such as -platform=offscreen: the parser would take it, but Qt would not.
bool QtWouldIgnore(const QString& argument) {
    static const QRegularExpression joined(QStringLiteral("^--?([a-z]+)="));
    const QRegularExpressionMatch match = joined.match(argument);
    if (!match.hasMatch()) {
        return false;
    }
    const QByteArray name = match.captured(1).toLatin1();
    const auto named = [&name](const char* option) { return name == option; };
    return std::any_of(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), named) &&
           std::none_of(std::begin(kQtOptionsWithEquals), std::end(kQtOptionsWithEquals), named);
}

QString Tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(Tr(QT_TRANSLATE_NOOP(
        "CommandLine", "Orbet, a puzzle game: line up five or more balls of one colour to "
                       "clear them from the board.\nThe manual page orbet(6) and the "
                       "game's Help menu tell how to play.")));
    // Qt's own options are single words after a single dash (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           Tr(QT_TRANSLATE_NOOP("CommandLine", "Shows this help and ends."))));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           Tr(QT_TRANSLATE_NOOP("CommandLine", "Shows the version and ends."))));
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
    const auto joined = std::find_if(arguments.cbegin() + 1, arguments.cend(), QtWouldIgnore);
    const QString ignored = joined != arguments.cend() ? *joined : QString();
    const bool understood = parser.parse(arguments);
    if (understood && parser.isSet(QStringLiteral("version"))) {
        std::fputs(qPrintable(Version()), stdout);
        return 0;
    }
    const bool help = understood && parser.isSet(QStringLiteral("help"));
    const bool stray = !ignored.isEmpty() || !parser.positionalArguments().isEmpty();
    if (understood && !help && !stray) {
        return std::nullopt;
    }
    // Told in the player's language: the usage names the program, the catalogues need an
    // application to go into.
    QCoreApplication application(argc, argv);
    Translations::Install(application);
    QCommandLineParser told;
    Describe(told);
    told.parse(arguments);
    if (help) {
        std::fputs(qPrintable(told.helpText()), stdout);
        return 0;
    }
    const QString error =
        !understood ? told.errorText()
                    : Tr(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'."))
                          .arg(!ignored.isEmpty() ? ignored : told.positionalArguments().first());
    std::fprintf(stderr, "orbet: %s\n\n%s", qPrintable(error), qPrintable(told.helpText()));
    return kUsageError;
}

} // namespace CommandLine
