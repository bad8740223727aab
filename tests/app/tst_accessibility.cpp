#include "app/GameAccessible.h"
#include "support/WindowHarness.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

namespace {

const QStringList kEmpty(10, QStringLiteral(".........."));

// Presses keys on the game area, as a player without a mouse does.
void Keys(WindowHarness& h, const QList<Qt::Key>& keys) {
    for (const Qt::Key key : keys) {
        QTest::keyClick(h.window->Canvas(), key);
    }
}

QAccessibleInterface* Child(QAccessibleInterface* parent, QAccessible::Role role,
                            const QString& name = QString()) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child->role() == role && (name.isEmpty() || child->text(QAccessible::Name) == name)) {
            return child;
        }
    }
    return nullptr;
}

// Every accessibility event the game raises while it lives, as "kind: name of the object".
class EventLog {
public:
    EventLog() {
        GameAnnouncer::setEventSink([this](QAccessibleEvent* event) {
            QAccessibleInterface* target = event->accessibleInterface();
            events << QStringLiteral("%1: %2").arg(
                Kind(event->type()), target ? target->text(QAccessible::Name) : QString());
        });
    }
    ~EventLog() { GameAnnouncer::setEventSink(nullptr); }

    QStringList events;

private:
    static QString Kind(QAccessible::Event type) {
        switch (type) {
        case QAccessible::NameChanged:
            return QStringLiteral("name");
        case QAccessible::SelectionAdd:
            return QStringLiteral("selected");
        case QAccessible::SelectionRemove:
            return QStringLiteral("unselected");
        case QAccessible::ValueChanged:
            return QStringLiteral("value");
        case QAccessible::DescriptionChanged:
            return QStringLiteral("description");
        case QAccessible::Focus:
            return QStringLiteral("focus");
        default:
            return QStringLiteral("other");
        }
    }
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void keysPlayAMoveAndABlockedMove() {
        WindowHarness h;
        QStringList layout = kEmpty;
        layout[0] = QStringLiteral("3.........");
        layout[3] = QStringLiteral("....1.....");
        layout[4] = QStringLiteral("...121....");
        layout[5] = QStringLiteral("....1.....");
        LayOut(h.probe().Board(), layout);
        h.probe().Board().BuildRoutes();
        h.sound.played.clear();
        h.probe().NextColours() = {4, 4, 4};
        for (int32_t cell : {81, 82, 83}) {
            h.random.PushCell(cell);
        }
        colPieces& board = h.probe().Board();

        Keys(h, {Qt::Key_Left}); // the cursor appears on the top-left cell
        QCOMPARE(h.window->Canvas()->CursorCell(), CellIndex(1, 1));
        Keys(h, {Qt::Key_Left, Qt::Key_Up, Qt::Key_Space}); // stops at the edges
        QCOMPARE(board.GetSelectedPieceIndex(), CellIndex(1, 1));
        Keys(h, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(board.Item(CellIndex(1, 3))->Colour(), 3);
        QVERIFY(!board.Item(CellIndex(1, 1))->Populated());
        QCOMPARE(board.PopulatedPieceCount(), 9); // three new pieces came
        QCOMPARE(h.sound.played, (QStringList{"select.wav", "add.wav"}));

        // The walled-in piece cannot leave its pocket.
        Keys(h, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                 Qt::Key_Down, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Space});
        QCOMPARE(h.window->Canvas()->CursorCell(), CellIndex(5, 2));
        QCOMPARE(board.GetSelectedPieceIndex(), CellIndex(5, 5));
        QCOMPARE(board.PopulatedPieceCount(), 9);
    }

    void cursorFramesTheCellAndGoesWithTheMouse() {
        WindowHarness h;
        QStringList layout = kEmpty;
        layout[2] = QStringLiteral("..5.......");
        LayOut(h.probe().Board(), layout);
        h.probe().DrawBoard();
        h.Click(3, 3); // a selected piece under the cursor
        Keys(h, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down});
        QCOMPARE(h.window->Canvas()->CursorCell(), CellIndex(3, 3));
        const QImage& surface = h.window->Surface().Image();
        QImage shown = h.window->Canvas()->grab().toImage();
        const QRgb yellow = qRgb(255, 255, 0);
        for (int i = 0; i < 30; ++i) { // the whole cell stays in view, corners included
            QCOMPARE(shown.pixel(70 + i, 70), surface.pixel(70 + i, 70));
            QCOMPARE(shown.pixel(70 + i, 99), surface.pixel(70 + i, 99));
        }
        for (QPoint frame : {QPoint(68, 68), QPoint(69, 80), QPoint(100, 80), QPoint(101, 101),
                             QPoint(80, 100), QPoint(80, 69)}) {
            QCOMPARE(shown.pixel(frame), yellow);
        }
        QCOMPARE(shown.pixel(67, 80), surface.pixel(67, 80));
        QVERIFY(surface.pixel(68, 68) != yellow); // drawn over the surface, not into it

        h.Click(9, 9);
        QCOMPARE(h.window->Canvas()->CursorCell(), std::nullopt);
        shown = h.window->Canvas()->grab().toImage();
        QCOMPARE(shown.pixel(68, 68), surface.pixel(68, 68));
    }

    void keysWaitWhileTheGameIsOver() {
        WindowHarness h;
        LayOut(h.probe().Board(), RunFree(101));
        h.window->Game().setGameOverHandler({}); // leave the finished game standing
        h.probe().AddNewPieces();
        h.sound.played.clear();
        Keys(h, {Qt::Key_Right, Qt::Key_Space});
        QCOMPARE(h.window->Canvas()->CursorCell(), std::nullopt);
        QCOMPARE(h.probe().Board().SelectedPieceCount(), 0);
        QVERIFY(h.sound.played.isEmpty());
    }

    void boardHasTheFocusAndShortcutsStillWork() {
        WindowHarness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QCOMPARE(QApplication::focusWidget(), h.window->Canvas());
        h.probe().SetScore(70);
        QTest::keyClick(h.window->Canvas(), Qt::Key_F2);
        QCOMPARE(h.window->Game().Score(), 0);
        QTest::keyClick(h.window->Canvas(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr); // the Game menu
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        // The offscreen platform gives no window back its activation when a popup closes.
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QString opened;
        WindowHarness::WhenModal([&](QWidget* modal) {
            opened = modal->windowTitle();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QTest::keyClick(h.window->Canvas(), Qt::Key_F4);
        QCOMPARE(opened, QStringLiteral("Orbet High Scores"));
    }

    void screenReaderSeesTheBoardAndTheScores() {
        WindowHarness h;
        IsolatedSettings::Write(QStringLiteral("Orbet Score/1"), QStringLiteral("350"));
        h.Action(QStringLiteral("&New"))->trigger();
        QStringList layout = kEmpty;
        layout[2] = QStringLiteral("0000.0....");
        LayOut(h.probe().Board(), layout);
        h.probe().Board().BuildRoutes();
        h.probe().NextColours() = {0, 1, 6};

        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(h.window->Canvas());
        QAccessibleInterface* table = Child(area, QAccessible::Table);
        QVERIFY(table != nullptr);
        QCOMPARE(table->tableInterface()->rowCount(), 10);
        QCOMPARE(table->tableInterface()->columnCount(), 10);
        QCOMPARE(table->childCount(), 100);
        QAccessibleInterface* from = table->tableInterface()->cellAt(2, 5);
        QAccessibleInterface* to = table->tableInterface()->cellAt(2, 4);
        QCOMPARE(from->text(QAccessible::Name), QStringLiteral("row 3, column 6, red"));
        QCOMPARE(to->text(QAccessible::Name), QStringLiteral("row 3, column 5, empty"));
        QCOMPARE(table->indexOfChild(to), 24);
        QCOMPARE(area->childAt(h.window->Canvas()->mapToGlobal(QPoint(150, 80)).x(),
                               h.window->Canvas()->mapToGlobal(QPoint(150, 80)).y()),
                 table);
        QAccessibleInterface* yours = Child(area, QAccessible::StaticText, "Your Score");
        QAccessibleInterface* best = Child(area, QAccessible::StaticText, "High Score");
        QAccessibleInterface* next = Child(area, QAccessible::StaticText, "Next colours");
        QVERIFY(yours && best && next);
        QCOMPARE(best->valueInterface()->currentValue().toInt(), 350);
        QCOMPARE(next->text(QAccessible::Description), QStringLiteral("red, blue, orange"));
        QStringList names;
        for (int i = 0; i < area->childCount(); ++i) {
            names << area->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(names, (QStringList{"Board", "Next Move:", "Next colours",
                                     "Your Score:", "Your Score", "High Score:", "High Score"}));

        const EventLog log;
        h.Click(6, 3);
        QVERIFY(from->state().selected);
        QVERIFY(log.events.contains(QStringLiteral("selected: row 3, column 6, red")));
        h.Click(5, 3); // completes a row of five
        QCOMPARE(from->text(QAccessible::Name), QStringLiteral("row 3, column 6, empty"));
        QCOMPARE(to->text(QAccessible::Name), QStringLiteral("row 3, column 5, empty"));
        QVERIFY(!from->state().selected);
        QCOMPARE(yours->valueInterface()->currentValue().toInt(), 50);
        QVERIFY(log.events.contains(QStringLiteral("value: Your Score")));
        QVERIFY(log.events.contains(QStringLiteral("unselected: row 3, column 6, empty")));
        QVERIFY(log.events.contains(QStringLiteral("name: row 3, column 1, empty")));

        Keys(h, {Qt::Key_Down, Qt::Key_Right});
        QAccessibleInterface* cursor = table->tableInterface()->cellAt(0, 1);
        QCOMPARE(table->focusChild(), cursor);
        QVERIFY(cursor->state().focused == h.window->Canvas()->hasFocus());
        QCOMPARE(log.events.last(), QStringLiteral("focus: row 1, column 2, empty"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
