#include "scores/clsStatistics.h"
#include "scores/frmNameInput.h"
#include "support/Fakes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestNameInput : public QObject {
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
        QPushButton* button = nullptr;
        for (auto* candidate : dialog.findChildren<QPushButton*>()) {
            button = candidate->text() == caption ? candidate : button;
        }
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
};

QTEST_MAIN(TestNameInput)
#include "tst_nameinput.moc"
