#include "scores/clsStatistics.h"
#include "scores/frmNameInput.h"
#include "support/Fakes.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

// What screen readers get from the dialogs, through Qt's accessibility interfaces and the
// events its bridge would send them.
class TestDialogAccess : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The bridge comes up once it has reached the accessibility bus.
        QTRY_VERIFY2_WITH_TIMEOUT(QAccessible::isActive(),
                                  "needs Qt's bridge to screen readers: run it with "
                                  "tests/support/on_accessibility_bus.sh",
                                  10000);
    }

    // What screen readers say a field is: the label that stands before it.
    void nameFieldIsNamedByItsLabel() {
        IsolatedSettings settings;
        clsStatistics statistics;
        frmNameInput dialog(statistics, nullptr);
        QAccessibleInterface* field =
            QAccessible::queryAccessibleInterface(dialog.findChild<QLineEdit*>());
        QCOMPARE(field->role(), QAccessible::EditableText);
        const auto labels = field->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Enter Name:"));
    }
};

QTEST_MAIN(TestDialogAccess)
#include "tst_dialogaccess.moc"
