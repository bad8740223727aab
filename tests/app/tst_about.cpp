#include "app/frmAbout.h"
#include "platform/Shell.h"
#include "support/WindowHarness.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

namespace {

QColor TextColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// Moves the pointer onto a widget as the window system does: the event goes to the widget
// under it and travels up while nobody takes it.
void MoveOnto(QWidget* widget, QPoint at = QPoint(2, 2)) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void ClickOn(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
}

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void init() {
        SetShellHandler([this](const QString& operation, const QString& file) {
            opened << operation + QLatin1Char(' ') + file;
        });
        opened.clear();
    }
    void cleanup() { SetShellHandler(nullptr); }

    void showsTheProgramsFacts() {
        WindowHarness h;
        QPointer<QWidget> about;
        WindowHarness::WhenModal([&](QWidget* modal) {
            about = modal;
            QCOMPARE(modal->windowTitle(), QStringLiteral("About Orbet"));
            QCOMPARE(modal->size(), QSize(406, 204));
            QVERIFY(!(modal->windowFlags() & Qt::WindowMinimizeButtonHint));
            QLabel* version = WithText<QLabel>(modal, QStringLiteral("Version 1.1"));
            QVERIFY(version != nullptr);
            QCOMPARE(version->pos(), QPoint(64, 56));
            QVERIFY(version->font().bold());
            QLabel* title = WithText<QLabel>(modal, QStringLiteral("Orbet"));
            QVERIFY(title != nullptr && title->font().pointSizeF() == 24);
            for (QLabel* label : modal->findChildren<QLabel*>()) {
                QVERIFY(!label->text().startsWith(QStringLiteral("Revision")) ||
                        !label->isVisible());
            }
            QVERIFY(WithText<QLabel>(modal, QStringLiteral("For further information:")));
            QVERIFY(WithText<QLabel>(modal, QStringLiteral("Send questions and comments to:")));
            QTest::keyClick(modal, Qt::Key_Escape); // does not close it
            QVERIFY(modal->isVisible());
            QTest::keyClick(modal, Qt::Key_Return); // OK hides it
        });
        h.Action(QStringLiteral("&About"))->trigger();
        QVERIFY(!about.isNull());
        QVERIFY(!about->isVisible());
    }

    void linksLightUpUnderThePointer() {
        WindowHarness h;
        QStringList seen;
        WindowHarness::WhenModal([&](QWidget* modal) {
            QLabel* web = WithText<QLabel>(modal, frmAbout::WebAddress());
            QLabel* mail = WithText<QLabel>(modal, frmAbout::MailAddress());
            QLabel* other =
                WithText<QLabel>(modal, QStringLiteral("Send questions and comments to:"));
            QPushButton* ok = modal->findChild<QPushButton*>();
            auto state = [&] {
                return QStringLiteral("%1/%2").arg(TextColour(web) == kRed ? "red" : "blue",
                                                   TextColour(mail) == kRed ? "red" : "blue");
            };
            seen << state();
            MoveOnto(web);
            seen << state();
            MoveOnto(mail); // straight from one link onto the other
            seen << state();
            MoveOnto(other); // another label leaves the link lit
            seen << state();
            MoveOnto(ok);
            seen << state();
            MoveOnto(modal, QPoint(200, 190)); // the free area resets both
            seen << state();
            MoveOnto(web);
            ClickOn(web); // clicking turns it blue although the pointer is still there
            seen << state();
            MoveOnto(web);
            seen << state();
            // The pointer over a rule is over free area: moved there as the window system
            // moves it, the event goes to whatever lies under the pointer.
            QTest::mouseMove(modal->windowHandle(), QPoint(100, 49));
            seen << state();
            MoveOnto(mail);
            ClickOn(mail);
            seen << state();
            QVERIFY(modal->isVisible()); // following a link leaves the box open
            QTest::keyClick(modal, Qt::Key_Return);
        });
        h.Action(QStringLiteral("&About"))->trigger();
        QCOMPARE(seen,
                 (QStringList{"blue/blue", "red/blue", "blue/red", "blue/red", "blue/red",
                              "blue/blue", "blue/blue", "red/blue", "blue/blue", "blue/blue"}));
        QCOMPARE(opened, (QStringList{QStringLiteral("Open https://www.example.com/orbet"),
                                      QStringLiteral("Open mailto:orbet@example.com")}));
    }

    void doubleClickOpensALinkOnce() {
        WindowHarness h;
        WindowHarness::WhenModal([&](QWidget* modal) {
            QLabel* web = WithText<QLabel>(modal, frmAbout::WebAddress());
            // A double click: press, release, the second press as a double click, release.
            QTest::mousePress(web, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            QTest::mouseRelease(web, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            QTest::mouseDClick(web, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            QTest::mouseRelease(web, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            ClickOn(web); // a click after it opens it again
            QTest::keyClick(modal, Qt::Key_Return);
        });
        h.Action(QStringLiteral("&About"))->trigger();
        QCOMPARE(opened, QStringList(2, QStringLiteral("Open https://www.example.com/orbet")));
    }

    // Tab's focus on the version or a link shows nothing there: only OK loses its focus mark.
    void focusOnALabelShowsNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("tabs");
        QTest::newRow("version") << QStringLiteral("Version 1.1") << 1;
        QTest::newRow("web address") << frmAbout::WebAddress() << 2;
        QTest::newRow("e-mail address") << frmAbout::MailAddress() << 3;
    }
    void focusOnALabelShowsNothing() {
        QFETCH(QString, text);
        QFETCH(int, tabs);
        WindowHarness h;
        QImage before;
        QImage after;
        bool focused = false;
        WindowHarness::WhenModal([&](QWidget* modal) {
            QVERIFY(QTest::qWaitForWindowActive(modal));
            QLabel* label = WithText<QLabel>(modal, text);
            const QRect around = label->geometry().adjusted(-3, -3, 3, 3);
            before = modal->grab(around).toImage();
            for (int i = 0; i < tabs; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            focused = label->hasFocus();
            after = modal->grab(around).toImage();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        h.Action(QStringLiteral("&About"))->trigger();
        QVERIFY(focused);
        QVERIFY(!before.isNull());
        QCOMPARE(after, before);
    }

    void okHidesAndTheCloseBoxDestroys() {
        WindowHarness h;
        QPointer<QWidget> first;
        QPointer<QWidget> second;
        WindowHarness::WhenModal([&](QWidget* modal) {
            first = modal;
            WithText<QLabel>(modal, QStringLiteral("Version 1.1"))
                ->setText(QStringLiteral("marked"));
            modal->findChild<QPushButton*>()->click();
        });
        h.Action(QStringLiteral("&About"))->trigger();
        QVERIFY(!first.isNull());
        WindowHarness::WhenModal([&](QWidget* modal) {
            second = modal;
            // The same box, not loaded again: the label keeps what it had.
            QVERIFY(WithText<QLabel>(modal, QStringLiteral("marked")) != nullptr);
            modal->close();
        });
        h.Action(QStringLiteral("&About"))->trigger();
        QCOMPARE(second, first);
        QTRY_VERIFY(first.isNull()); // the close box destroyed it
        WindowHarness::WhenModal([&](QWidget* modal) {
            QVERIFY(WithText<QLabel>(modal, QStringLiteral("Version 1.1")) != nullptr);
            second = modal;
            modal->close();
        });
        QPointer<QWidget> destroyed = first;
        h.Action(QStringLiteral("&About"))->trigger();
        QVERIFY(destroyed.isNull()); // a third showing made a new box
    }

private:
    QStringList opened;
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
