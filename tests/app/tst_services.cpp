#include "app/clsHelp.h"
#include "app/clsScoreBoard.h"
#include "app/clsSound.h"
#include "board/AreaLayout.h"
#include "platform/DataFile.h"
#include "platform/SoundPlayer.h"
#include "platform/WindowSurface.h"
#include "support/Fakes.h"
#include "support/WindowHarness.h"

#include "support/Pixels.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <QScopeGuard>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

namespace {

class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

QTextBrowser* OpenViewer() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<QTextBrowser*>(w); viewer && viewer->isVisible()) {
            return viewer;
        }
    }
    return nullptr;
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT

private slots:
    void scoreIsDrawnCentredInItsBox_data() {
        QTest::addColumn<int>("score");
        QTest::newRow("zero") << 0;
        QTest::newRow("ten digits") << 2147483647;
        QTest::newRow("negative") << -40;
    }
    void scoreIsDrawnCentredInItsBox() {
        QFETCH(int, score);
        OffscreenSurface surface{CLIENT_SURFACE};
        clsScoreBoard display;
        QCOMPARE(display.Score(), 0);
        display.Init(surface, 345, 261, 458, 281);
        display.setScore(score);
        const QImage drawn = surface.Image().copy();
        const QRect digits = WhiteBox(drawn, QRect(347, 263, 109, 16)); // inside the edge
        QVERIFY(!digits.isEmpty());
        QVERIFY(digits.left() > 347 && digits.right() < 456);
        QVERIFY(qAbs((digits.left() + digits.right()) / 2.0 - 401) <= 2);
        QVERIFY(digits.top() > 262 && digits.bottom() < 279);
        QCOMPARE(drawn.pixel(350, 270), RGB(0, 0, 0));
        QCOMPARE(drawn.pixel(400, 259), RGB(0, 0, 0));  // nothing outside the box (black blank)
        QVERIFY(drawn.pixel(400, 261) != RGB(0, 0, 0)); // the sunken edge

        // Reading draws nothing; setting the same number paints the same picture.
        surface.hDC().FillRect(RECT{345, 261, 458, 281}, CreateSolidBrush(RGB(9, 9, 9)));
        QCOMPARE(display.Score(), score);
        QCOMPARE(surface.Image().pixel(350, 270), RGB(9, 9, 9));
        display.setScore(score);
        QCOMPARE(surface.Image(), drawn);
    }

    void moreDigitsAreWider() {
        OffscreenSurface surface{CLIENT_SURFACE};
        clsScoreBoard display;
        display.Init(surface, 345, 261, 458, 281);
        const int one = WhiteBox(surface.Image(), QRect(347, 263, 109, 16)).width();
        display.setScore(1234567890);
        const int ten = WhiteBox(surface.Image(), QRect(347, 263, 109, 16)).width();
        QVERIFY(ten > 4 * one);
    }

    void playRunsTimersButHoldsInputBack() {
        PressCounter window;
        window.resize(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(10);

        bool timerRan = false;
        QTimer::singleShot(0, [&] { timerRan = true; });
        const QPointF point(10, 10);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window.windowHandle(), point, window.mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
            QEvent::MouseButtonPress);

        RecordingSoundPlayer player;
        clsSound sound(player);
        sound.Play(QStringLiteral("select.wav"));
        QVERIFY(timerRan);
        QCOMPARE(window.presses, 0);
        QCOMPARE(player.played, QStringList{QStringLiteral("select.wav")});

        QTRY_COMPARE(window.presses, 1); // delivered once the move is over
    }

    void dataFilesAreFoundEachOnItsOwn() {
        // The program's folder holds the help page but no sounds.
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("usr/games")));
        QFile help(root.filePath(QStringLiteral("usr/games/orbet.html")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        const QString program = root.filePath(QStringLiteral("usr/games"));
        QCOMPARE(DataFileFor(program, QStringLiteral("orbet.html")), help.fileName());
        QCOMPARE(DataFileFor(program, QStringLiteral("select.wav")),
                 root.filePath(QStringLiteral("usr/share/orbet/select.wav")));
    }

    void soundsNeverWaitNorFail() {
        // Without an audio device, or with a file that is missing or is no sound at all, the
        // player falls back to a beep; either way it returns at once, and a second sound
        // replaces the first.
        QTemporaryDir folder;
        QFile junk(folder.filePath(QStringLiteral("junk.wav")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("RIFF\x10\0\0\0WAVEfmt this is no sound at all");
        junk.close();
        QtSoundPlayer player([&](const QString& name) { return folder.filePath(name); });
        QWidget window; // sounds start once a first frame is painted
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(20);

        QElapsedTimer clock;
        clock.start();
        player.PlaySound(QStringLiteral("missing.wav"));
        player.PlaySound(QStringLiteral("junk.wav"));
        player.PlaySound(QStringLiteral("junk.wav"));
        QTest::qWait(100); // long enough to find out the file cannot be decoded
        player.PlaySound(QStringLiteral("junk.wav"));
        QVERIFY(clock.elapsed() < 5000);
    }

    void messageBoxesAnswerEnterAndEsc_data() {
        QTest::addColumn<uint>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes/No, Enter")
            << uint(MB_ICONQUESTION | MB_YESNO) << int(Qt::Key_Return) << int(IDYES);
        QTest::newRow("Yes/No, Esc")
            << uint(MB_ICONQUESTION | MB_YESNO) << int(Qt::Key_Escape) << int(IDNO);
        QTest::newRow("OK, Enter") << uint(MB_ICONINFORMATION) << int(Qt::Key_Return) << int(IDOK);
        QTest::newRow("OK, Esc") << uint(MB_OK) << int(Qt::Key_Escape) << int(IDOK);
    }
    void messageBoxesAnswerEnterAndEsc() {
        QFETCH(uint, buttons);
        QFETCH(int, key);
        QFETCH(int, answer);
        WindowHarness::WhenModal(
            [key](QWidget* box) { QTest::keyClick(box, static_cast<Qt::Key>(key)); });
        QCOMPARE(
            MsgBox(nullptr, QStringLiteral("Game Over."), buttons, QStringLiteral("GAME OVER")),
            answer);
    }

    void helpOpensWithoutBlocking_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("default page") << true << QString() << Qt::LeftToRight;
        QTest::newRow("topic") << true << QStringLiteral("scoring") << Qt::LeftToRight;
        QTest::newRow("missing file") << false << QString() << Qt::LeftToRight;
        // The path keeps its slashes in place inside a sentence that runs right to left.
        QTest::newRow("missing file, right to left") << false << QString() << Qt::RightToLeft;
    }
    void helpOpensWithoutBlocking() {
        QFETCH(bool, exists);
        QFETCH(QString, topic);
        QFETCH(Qt::LayoutDirection, direction);
        QGuiApplication::setLayoutDirection(direction);
        const auto restore =
            qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("help.html"));
        if (exists) {
            QFile html(file);
            QVERIFY(html.open(QIODevice::WriteOnly));
            html.write("<html><head><title>Orbet Help</title></head><body><p>Start</p>"
                       "<p style='margin-top:2000px'><a name='scoring'>Scoring</a></p>"
                       "</body></html>");
        }
        QWidget owner;
        owner.show();
        clsHelp help;
        help.setHelpFile(file);
        QCOMPARE(help.HelpFile(), file);
        help.DisplayHelp(&owner, topic);
        help.DisplayHelp(&owner, topic); // the same single window again

        QTextBrowser* viewer = OpenViewer();
        QVERIFY(viewer != nullptr);
        QVERIFY(!viewer->isModal());
        QCOMPARE(viewer->parentWidget(), &owner);
        int viewers = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            viewers += qobject_cast<QTextBrowser*>(w) != nullptr && w->isVisible();
        }
        QCOMPARE(viewers, 1);
        if (exists) {
            QCOMPARE(viewer->windowTitle(), QStringLiteral("Orbet Help"));
            QCOMPARE(viewer->source().fragment(), topic);
        } else {
            QVERIFY(viewer->toPlainText().contains(QStringLiteral("could not be found")));
            const QString path = QDir::toNativeSeparators(file);
            QVERIFY(viewer->toPlainText().contains(
                direction == Qt::RightToLeft ? QChar(0x2066) + path + QChar(0x2069) : ' ' + path));
        }
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
