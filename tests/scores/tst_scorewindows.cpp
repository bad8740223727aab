#include "scores/ScoreRows.h"
#include "scores/clsStatistics.h"
#include "scores/frmNameInput.h"
#include "scores/frmStatistics.h"
#include "support/Bidi.h"
#include "support/Fakes.h"
#include "support/Widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

class TestScoreWindows : public QObject {
    Q_OBJECT

private slots:
    void dialogIsLaidOut_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("OK") << QStringLiteral("&OK") << QRect(256, 40, 65, 25);
        QTest::newRow("Cancel") << QStringLiteral("&Cancel") << QRect(184, 40, 65, 25);
    }
    void dialogIsLaidOut() {
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        IsolatedSettings settings;
        clsStatistics statistics;
        frmNameInput dialog(statistics, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("High Score Entry"));
        QCOMPARE(dialog.size(), QSize(327, 71));
        QPushButton* button = WithText<QPushButton>(&dialog, caption);
        QVERIFY(button != nullptr);
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->isDefault(), caption == QLatin1String("&OK"));
        auto* name = dialog.findChild<QLineEdit*>();
        QCOMPARE(name->geometry(), QRect(8, 16, 313, 19));
        QCOMPARE(name->maxLength(), 32767); // no limit of its own
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("Enter Name:"));
    }

    void escapeRecordsNothing() {
        IsolatedSettings settings;
        clsStatistics statistics;
        frmNameInput dialog(statistics, nullptr);
        dialog.setTag(QStringLiteral("90"));
        QCOMPARE(dialog.Tag(), QStringLiteral("90"));
        dialog.show();
        dialog.findChild<QLineEdit*>()->setText(QStringLiteral("Fay"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(statistics.GetName(1), QStringLiteral("-"));
    }

    void tabGoesFromTheNameToCancelToOk() {
        IsolatedSettings settings;
        clsStatistics statistics;
        frmNameInput dialog(statistics, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << FocusName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"QLineEdit", "&Cancel", "&OK", "QLineEdit"}));
    }

    void enterRecordsTheTrimmedName() {
        IsolatedSettings settings;
        clsStatistics statistics;
        frmNameInput dialog(statistics, nullptr);
        dialog.setTag(QStringLiteral("90"));
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>();
        name->setText(QStringLiteral("  Gil  Ho "));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(statistics.GetName(1), QStringLiteral("Gil  Ho"));
        QCOMPARE(statistics.GetScore(1), QStringLiteral("90"));
    }

    void namesShowAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("markup") << QStringLiteral("<b>Al</b> <i>Lost</i>");
        QTest::newRow("a line break") << QStringLiteral("<i>x</i><br>y");
        QTest::newRow("an entity") << QStringLiteral("&amp; Co &lt;");
        QTest::newRow("too wide") << QString(25, QChar(0x5168)); // wide characters
        QTest::newRow("too wide in markup")
            << QStringLiteral("<b>W</b>").repeated(3) + "<i>WWWWWW</i>";
        // Direction controls as typed, which turn the name itself round and nothing else.
        QTest::newRow("right-to-left override") << QStringLiteral("\u202Eabc");
        QTest::newRow("an isolate's end alone") << QStringLiteral("\u2069\u202Eabc");
        QTest::newRow("an isolate left open") << QStringLiteral("\u2067abc");
        QTest::newRow("Hebrew and digits") << QStringLiteral("\u05D0\u05D1 12");
    }
    void namesShowAsTyped() {
        QFETCH(QString, name);
        IsolatedSettings settings;
        IsolatedSettings::WriteRow(1, name, QStringLiteral("700"));
        clsStatistics statistics;
        frmStatistics window(statistics, nullptr);
        QLabel* player = nullptr;
        for (QLabel* label : window.findChildren<QLabel*>()) {
            player = label->pos() == QPoint(112, 80) ? label : player;
        }
        QVERIFY(player != nullptr);
        // What a screen reader reads is what the label shows.
        const QString shown =
            QAccessible::queryAccessibleInterface(player)->text(QAccessible::Name);
        if (shown != name) {
            QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
            QVERIFY(name.startsWith(shown.chopped(1)));
            QVERIFY(player->fontMetrics().horizontalAdvance(shown) <= player->width());
        }
        QTextDocument tip;
        tip.setHtml(player->toolTip());
        QCOMPARE(tip.toPlainText(), name);

        // The row as a screen reader reads it keeps the rank and the score in their places on
        // either side of the name, from left to right and from right to left.
        const ScoreRows* rows = window.findChild<ScoreRows*>();
        QVERIFY(rows->RowText(0).contains(name));
        const QString leftToRight = ShownLeftToRight(rows->RowText(0), Qt::LeftToRight);
        QVERIFY2(leftToRight.startsWith(QLatin1String("1,")) &&
                     leftToRight.endsWith(QLatin1String(",700")),
                 qPrintable(leftToRight));
        QGuiApplication::setLayoutDirection(Qt::RightToLeft); // as in Arabic and Hebrew
        const QString rightToLeft = ShownLeftToRight(rows->RowText(0), Qt::RightToLeft);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QVERIFY2(rightToLeft.startsWith(QLatin1String("700,")) &&
                     rightToLeft.endsWith(QLatin1String(",1")),
                 qPrintable(rightToLeft));
    }

    // The rows' list paints nothing, focused or not, and the pointer goes through it to the
    // rows, whose tooltips show whole names.
    void highScoreRowsShowNothing_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("at rest") << QList<int>{};
        QTest::newRow("focused on the third row")
            << QList<int>{Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down};
    }
    void highScoreRowsShowNothing() {
        QFETCH(QList<int>, keys);
        IsolatedSettings settings;
        IsolatedSettings::Write(Stored::Name(1), QStringLiteral("Ann"));
        clsStatistics statistics;
        frmStatistics window(statistics, nullptr);
        auto* rows = window.findChild<ScoreRows*>();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        rows->hide();
        const QImage without = window.grab(rows->geometry()).toImage();
        rows->show();
        for (const int key : keys) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        }
        QCOMPARE(window.grab(rows->geometry()).toImage(), without);
        // Only the current row says it has the focus, and only while the list has the keys.
        QCOMPARE(rows->hasFocus(), !keys.isEmpty()); // or OK has them
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(rows);
        QCOMPARE(list->childCount(), 10);
        for (int row = 0; row < list->childCount(); ++row) {
            QCOMPARE(list->child(row)->state().focused, rows->hasFocus() && row == 2);
        }
        QLabel* player = WithText<QLabel>(&window, QStringLiteral("Ann"));
        QVERIFY(player != nullptr);
        QCOMPARE(window.childAt(player->geometry().center()), player);
    }

    void highScoreWindowHasPlainRulesAndNoIcon() {
        IsolatedSettings settings;
        clsStatistics statistics;
        frmStatistics window(statistics, nullptr);
        QVERIFY(window.windowIcon().isNull());
        const QImage shown = window.grab().toImage();
        const QRgb line = window.palette().color(QPalette::WindowText).rgb();
        const QRgb background = window.palette().color(QPalette::Window).rgb();
        for (int y : {40, 72}) {
            for (int x : {48, 180, 240, 303}) {
                QCOMPARE(shown.pixel(x, y), line);
                QCOMPARE(shown.pixel(x, y + 1), background); // one pixel wide
            }
            QCOMPARE(shown.pixel(47, y), background);
            QCOMPARE(shown.pixel(304, y), background);
        }
        // Every window shows the one icon, not a fresh copy of it in the image cache.
        frmStatistics again(statistics, nullptr);
        auto icon = [](const frmStatistics& w) {
            for (QLabel* label : w.findChildren<QLabel*>()) {
                if (!label->pixmap().isNull()) {
                    return label->pixmap().cacheKey();
                }
            }
            return qint64(0);
        };
        QVERIFY(icon(window) != 0);
        QCOMPARE(icon(again), icon(window));
    }
};

QTEST_MAIN(TestScoreWindows)
#include "tst_scorewindows.moc"
