#include "app/GameArea.h"
#include "app/Globals.h"
#include "app/clsHelp.h"
#include "app/frmMain.h"
#include "game/clsGame.h"
#include "support/Fakes.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class TestGlobals : public QObject {
    Q_OBJECT

private slots:
    // The whole program: start, play a little, and leave by Exit.
    void startsAndEndsTheProgram() {
        IsolatedSettings settings;
        Globals::Main();
        QVERIFY(Globals::gclsStatistics != nullptr);
        QVERIFY(Globals::gclsHelp->HelpFile().endsWith(QStringLiteral("/orbet.html")));

        frmMain* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            window = qobject_cast<frmMain*>(w) ? qobject_cast<frmMain*>(w) : window;
        }
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->Game().Score(), 0);

        QTimer::singleShot(0, window, [window] {
            QTest::mouseClick(window->Canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
            MenuEntry(window->menuBar(), QStringLiteral("E&xit"))->trigger();
        });
        QCOMPARE(QApplication::exec(), 0); // returns once the program has ended
        QVERIFY(Globals::gclsStatistics == nullptr);
        QVERIFY(Globals::gclsHelp == nullptr);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            QVERIFY(qobject_cast<frmMain*>(w) == nullptr);
        }
    }

    // The session ends the event loop while the window is still open: main's second call of
    // ShutDown still releases everything while the application object exists.
    void endsCleanlyWhenTheEventLoopStops() {
        IsolatedSettings settings;
        Globals::Main();
        QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        QCOMPARE(QApplication::exec(), 0);
        Globals::ShutDown();
        QVERIFY(Globals::gclsStatistics == nullptr);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            QVERIFY(qobject_cast<frmMain*>(w) == nullptr);
        }
    }
};

QTEST_MAIN(TestGlobals)
#include "tst_globals.moc"
