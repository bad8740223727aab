#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// Exit status of a command line that cannot be understood, as shells expect it.
constexpr int kUsageError = 2;

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
}

QString Version() {
    return QStringLiteral("orbet %1.%2.%3\n")
        .arg(ORBET_VERSION_MAJOR)
        .arg(ORBET_VERSION_MINOR)
        .arg(ORBET_VERSION_PATCH);
}

} // namespace

namespace CommandLine {

std::optional<int> AnswerBeforeStart(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    Describe(parser);
    parser.parse(arguments); // what it does not know may be Qt's, and is looked at later
    if (parser.isSet(QStringLiteral("help"))) {
        const QCoreApplication application(argc, argv); // the usage names the program
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fputs(qPrintable(Version()), stdout);
        return 0;
    }
    return std::nullopt;
}

std::optional<int> RefuseTheRest(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    QString error;
    if (!parser.parse(arguments)) {
        error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    } else {
        return std::nullopt;
    }
    std::fprintf(stderr, "orbet: %s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
    return kUsageError;
}

} // namespace CommandLine
