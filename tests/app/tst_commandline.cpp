#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The program as a shell starts it: its answers to the command line, and to a session where no
// window system can be reached.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answersTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display"); // whether a (headless) window system is there
        QTest::addColumn<int>("status");   // -1: still running, the game has started
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error"); // the first line on stderr

        QTest::newRow("help, in German")
            << QStringList{"--help", "LANGUAGE=de"} << false << 0 << "Aufruf: "
            << "";
        QTest::newRow("a stray word, in German")
            << QStringList{"extra", "LANGUAGE=de"} << false << 2 << ""
            << "orbet: Unerwartetes Argument „extra“.";
        QTest::newRow("version") << QStringList{"--version"} << false << 0 << "orbet 1.1.0\n"
                                 << "";
        QTest::newRow("version, short") << QStringList{"-v"} << false << 0 << "orbet 1.1.0\n"
                                        << "";
        QTest::newRow("help") << QStringList{"--help"} << false << 0 << "Usage: "
                              << "";
        QTest::newRow("help after Qt's options")
            << QStringList{"-platform", "xcb", "-style=Fusion", "--help"} << false << 0 << "Usage: "
            << "";
        QTest::newRow("a stray word, no display") << QStringList{"extra"} << false << 2 << ""
                                                  << "orbet: Unexpected argument 'extra'.";
        QTest::newRow("a stray word after Qt's options")
            << QStringList{"-platform", "offscreen", "extra"} << true << 2 << ""
            << "orbet: Unexpected argument 'extra'.";
        QTest::newRow("a Qt option joined to its value, which Qt would not take")
            << QStringList{"-platform=offscreen"} << false << 2 << ""
            << "orbet: Unexpected argument '-platform=offscreen'.";
        QTest::newRow("a Qt option Qt does take so, headless")
            << QStringList{"-platform", "offscreen", "-style=Fusion"} << true << -1 << ""
            << "";
        QTest::newRow("an unknown option") << QStringList{"--no-such-option"} << false << 2 << ""
                                           << "orbet: Unknown option 'no-such-option'.";
        QTest::newRow("a Qt option without its value")
            << QStringList{"-platform"} << false << 2 << ""
            << "orbet: Missing value after '-platform'.";
        QTest::newRow("no display") << QStringList{} << false << 1 << ""
                                    << "orbet: no window system could be reached; Orbet needs "
                                       "a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).";
        QTest::newRow("no display, Qt's options")
            << QStringList{"-platform", "xcb", "-reverse"} << false << 1 << ""
            << "orbet: no window system could be reached; Orbet needs a graphical desktop "
               "session (DISPLAY or WAYLAND_DISPLAY).";
        // A desktop session is there, but not the plugin asked for: Qt's reason comes second.
        QTest::newRow("an unknown plugin, with a display")
            << QStringList{"DISPLAY=:99", "QT_QPA_PLATFORM=nosuch"} << false << 1 << ""
            << "orbet: Qt's window-system plugin \"nosuch\" is missing or could not start; "
               "install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.";
        QTest::newRow("an unknown plugin, no display")
            << QStringList{"QT_QPA_PLATFORM=nosuch"} << false << 1 << ""
            << "orbet: no window system could be reached; Orbet needs a graphical desktop "
               "session (DISPLAY or WAYLAND_DISPLAY).";
        QTest::newRow("an unknown plugin by -platform, in German")
            << QStringList{"-platform", "nosuch", "DISPLAY=:99", "LANGUAGE=de"} << false << 1 << ""
            << "orbet: Das Fenstersystem-Plugin „nosuch“ von Qt fehlt oder ließ sich nicht "
               "starten; installiere qt6-wayland für Wayland, oder entferne QT_QPA_PLATFORM, "
               "damit Qt selbst wählt.";
        QTest::newRow("a plugin name with terminal controls")
            << QStringList{"DISPLAY=:99", "QT_QPA_PLATFORM=a\x1b]0;x\x07"
                                          "b"}
            << false << 1 << ""
            << "orbet: Qt's window-system plugin \"a?]0;x?b\" is missing or could not start; "
               "install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.";
        // The plugin is there, but the display it names is not.
        QTest::newRow("a plugin asked for, its display gone")
            << QStringList{"DISPLAY=:9999", "QT_QPA_PLATFORM=xcb"} << false << 1 << ""
            << "orbet: no window system could be reached; Orbet needs a graphical desktop "
               "session (DISPLAY or WAYLAND_DISPLAY).";
        QTest::newRow("Qt's options, headless")
            << QStringList{"-platform", "offscreen", "-style", "Fusion", "-reverse"} << true << -1
            << ""
            << "";
    }
    void answersTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, error);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // In English, whatever the machine's locale, unless a row asks for a language.
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           display ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
        // A row's NAME=value words are for the environment, not the command line.
        static const QRegularExpression variable(QStringLiteral("^([A-Z_]+)=(.*)$"));
        for (const QString& argument : QStringList(arguments)) {
            if (const QRegularExpressionMatch match = variable.match(argument); match.hasMatch()) {
                environment.insert(match.captured(1), match.captured(2));
                arguments.removeAll(argument);
            }
        }
        const QTemporaryDir home;
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORBET_PROGRAM), arguments);
        QVERIFY(program.waitForStarted());
        const bool finished = program.waitForFinished(status < 0 ? 1500 : 20000);
        if (!finished) {
            program.kill();
            program.waitForFinished();
        }
        const QString stdoutText = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QStringList stderrLines = QString::fromLocal8Bit(program.readAllStandardError())
                                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (status < 0) {
            QVERIFY2(!finished, "the game should have started and be waiting for its player");
            return;
        }
        QVERIFY(finished);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no abort, no core dump
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(out.isEmpty() ? stdoutText.isEmpty() : stdoutText.startsWith(out),
                 qPrintable(stdoutText));
        if (error.isEmpty()) {
            QVERIFY2(stderrLines.isEmpty(), qPrintable(stderrLines.join(QLatin1Char('\n'))));
        } else {
            QVERIFY(!stderrLines.isEmpty());
            QCOMPARE(stderrLines.first(), error);
        }
        if (status == 1) { // not Qt's report of its plugins; Qt's reason where a display is named
            const bool named = environment.contains(QStringLiteral("DISPLAY"));
            QCOMPARE(stderrLines.size(), named ? 2 : 1);
            QVERIFY(!named || (stderrLines.last().startsWith(QLatin1String("orbet: Qt: ")) &&
                               !stderrLines.last().contains(QChar(0x1b))));
        }
    }

    // Asked to end by a signal once it runs, as a session that ends or a terminal asks, the game
    // closes as its close box would and ends with status 0; started to ignore it (as nohup
    // starts it for SIGHUP), it goes on until SIGTERM comes.
    void endsWhenAskedBySignal_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("ignored");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGHUP") << SIGHUP << false;
        QTest::newRow("SIGINT") << SIGINT << false;
        QTest::newRow("SIGHUP, started to ignore it") << SIGHUP << true;
    }
    void endsWhenAskedBySignal() {
        QFETCH(int, signal);
        QFETCH(bool, ignored);
        const QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        const auto before = std::signal(signal, ignored ? SIG_IGN : SIG_DFL); // for the child
        program.start(QStringLiteral(ORBET_PROGRAM), {});
        std::signal(signal, before);
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(1500)); // the game has started
        ::kill(static_cast<pid_t>(program.processId()), signal);
        if (ignored) {
            QVERIFY(!program.waitForFinished(1000));
            ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        }
        const bool finished = program.waitForFinished(5000);
        if (!finished) {
            program.kill();
        }
        QVERIFY(finished);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
