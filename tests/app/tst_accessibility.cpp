#include "app/GameAccessible.h"
#include "support/AccessibleEvents.h"
#include "support/Pixels.h"
#include "support/ScreenReader.h"
#include "support/WindowHarness.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

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

// Every accessibility event raised while it lives, as "kind: name of the object", taken where
// Qt's bridge would take it to the screen readers.
class EventLog : public AccessibleEvents {
public:
    QStringList All() const {
        QStringList said;
        for (const Event& event : Events()) {
            said << QStringLiteral("%1: %2").arg(Kind(event.type), event.name);
        }
        return said;
    }
    // The events raised for the board and the side panel's parts, leaving out Qt's own.
    QStringList Game() const {
        QStringList game;
        for (const QString& event : All()) {
            if (event.contains(QLatin1String(": row ")) || event.contains(QLatin1String("Score")) ||
                event.contains(QLatin1String("Next Move")) ||
                event.startsWith(QLatin1String("notification"))) {
                game << event;
            }
        }
        return game;
    }

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
        case QAccessible::ObjectShow:
            return QStringLiteral("notification");
        default:
            return QStringLiteral("other");
        }
    }
};

QAccessibleInterface* Board(WindowHarness& h) {
    return Child(QAccessible::queryAccessibleInterface(h.window->Canvas()), QAccessible::Grouping,
                 QStringLiteral("Board"));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(BridgeIsUp(), "needs Qt's bridge to screen readers: run it with "
                               "tests/support/on_accessibility_bus.sh");
    }

    void boardHasTheFocusAndShortcutsStillWork() {
        const EventLog log;
        WindowHarness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QCOMPARE(QApplication::focusWidget(), h.window->Canvas());
        // Screen readers are taken to the cursor's cell, after the area itself.
        const auto cellFocused = [&log] {
            return log.Game().count(QStringLiteral("focus: row 1, column 1, empty"));
        };
        LayOut(h.probe().Board(), kEmptyBoard);
        QTRY_COMPARE(cellFocused(), 1);
        h.probe().SetScore(70);
        QTest::keyClick(h.window->Canvas(), Qt::Key_F2);
        QCOMPARE(h.window->Game().Score(), 0);
        QTest::keyClick(h.window->Canvas(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr); // the Game menu
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        // One Esc gives the keys back to the board: Up, Up, Enter play it, and do not reach
        // the menu's Exit.
        QTRY_COMPARE(QApplication::focusWidget(), h.window->Canvas());
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        QVERIFY(h.window->isVisible());
        QCOMPARE(h.window->Canvas()->FramedCell(), std::optional<int32_t>(CellIndex(1, 2)));
        QString opened;
        WindowHarness::WhenModal([&](QWidget* modal) {
            opened = modal->windowTitle();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QTest::keyClick(h.window->Canvas(), Qt::Key_F4);
        QCOMPARE(opened, QStringLiteral("Orbet High Scores"));
        // Whenever the area has the keys again (after a box, a menu, another window), screen
        // readers are taken back to the cursor's cell. (Whether this display's focus leaves
        // the window for a box depends on its timing: the area is given the focus anew here.)
        h.window->activateWindow(); // as a window manager does; this display has none
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        const int before = log.Game().count(QStringLiteral("focus: row 2, column 1, empty"));
        h.window->Canvas()->clearFocus();
        h.window->Canvas()->setFocus(Qt::ActiveWindowFocusReason);
        QTRY_VERIFY(log.Game().count(QStringLiteral("focus: row 2, column 1, empty")) > before);
    }

    void screenReaderSeesTheBoardAndTheScores() {
        WindowHarness h;
        IsolatedSettings::Write(Stored::Score(1), QStringLiteral("350"));
        h.Action(QStringLiteral("&New"))->trigger();
        LayOut(h.probe().Board(), BoardWith({{3, "0000.0...."}}));
        h.probe().Board().BuildRoutes();
        h.probe().NextColours() = {0, 1, 6};

        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(h.window->Canvas());
        QAccessibleInterface* table = Board(h);
        QVERIFY(table != nullptr); // a group, with the table's interface
        QVERIFY(table->tableInterface() != nullptr);
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
        QAccessibleInterface* yours = Child(area, QAccessible::StaticText, "Your Score: 0");
        QAccessibleInterface* best = Child(area, QAccessible::StaticText, "High Score: 350");
        QAccessibleInterface* next =
            Child(area, QAccessible::StaticText, "Next Move: red, blue, orange");
        QVERIFY(yours && best && next);
        QCOMPARE(best->valueInterface()->currentValue().toInt(), 350);
        QCOMPARE(next->text(QAccessible::Description), QStringLiteral("red, blue, orange"));
        QStringList names;
        for (int i = 0; i < area->childCount(); ++i) {
            names << area->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(names.mid(0, 7),
                 (QStringList{"Board", "Next Move:", "Next Move: red, blue, orange",
                              "Your Score:", "Your Score: 0", "High Score:", "High Score: 350"}));
        QCOMPARE(area->child(7)->role(), QAccessible::Notification);     // tells the last step
        QVERIFY(area->text(QAccessible::Name) != QLatin1String("Game")); // that is a menu

        const EventLog log;
        h.Click(6, 3);
        QVERIFY(from->state().selected);
        QCOMPARE(from->text(QAccessible::Name), QStringLiteral("row 3, column 6, red, selected"));
        QVERIFY(log.All().contains(QStringLiteral("selected: row 3, column 6, red, selected")));
        h.Click(5, 3); // completes a row of five
        QCOMPARE(from->text(QAccessible::Name), QStringLiteral("row 3, column 6, empty"));
        QCOMPARE(to->text(QAccessible::Name), QStringLiteral("row 3, column 5, empty"));
        QVERIFY(!from->state().selected);
        QCOMPARE(yours->valueInterface()->currentValue().toInt(), 50);
        QCOMPARE(yours->valueInterface()->minimumStepSize().toInt(), 10); // a ball's points
        QVERIFY(log.All().contains(QStringLiteral("value: Your Score: 50")));
        QVERIFY(log.All().contains(QStringLiteral("unselected: row 3, column 6, empty")));
        QVERIFY(log.All().contains(QStringLiteral("name: row 3, column 1, empty")));

        h.Keys({Qt::Key_Down, Qt::Key_Right});
        QAccessibleInterface* cursor = table->tableInterface()->cellAt(1, 1);
        QCOMPARE(table->focusChild(), cursor);
        QCOMPARE(log.Game().last(), QStringLiteral("focus: row 2, column 2, empty"));
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QVERIFY(h.window->Canvas()->hasFocus());
        QVERIFY(cursor->state().focused);
        h.window->Canvas()->clearFocus(); // the cursor stays, but the board is not being played
        QVERIFY(!cursor->state().focused);

        // A new game with a better score in the table: both displays change, each its own.
        IsolatedSettings::Write(Stored::Score(1), QStringLiteral("500"));
        h.Action(QStringLiteral("&New"))->trigger();
        QVERIFY(log.Game().contains(QStringLiteral("value: High Score: 500")));
        QVERIFY(log.Game().contains(QStringLiteral("value: Your Score: 0")));
    }

    // Each step is told in a few words, unasked, in the order it happened.
    void eachStepIsTold_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("most"); // events raised, at most
        QTest::newRow("a ball taken up")
            << int(TakeUp) << QStringList{"red ball at row 1, column 1 selected."} << 3;
        QTest::newRow("and put back") << int(PutBack)
                                      << QStringList{"red ball at row 1, column 1 selected.",
                                                     "red ball at row 1, column 1 put back."}
                                      << 6;
        const QString up = QStringLiteral("red ball at row 1, column 1 selected.");
        const QString down = QStringLiteral("red ball at row 1, column 1 put back.");
        QTest::newRow("taken up and put back three times")
            << int(Often) << QStringList{up, down, up, down, up, down} << 18;
        QTest::newRow("an empty cell, nothing taken up")
            << int(EmptyFirst) << QStringList{"row 2, column 1, empty."} << 2;
        QTest::newRow("another ball, while one is taken up")
            << int(AnotherBall)
            << QStringList{"red ball at row 1, column 1 selected.",
                           "red ball at row 1, column 1 selected."}
            << 5;
        QTest::newRow("no route") << int(Walled)
                                  << QStringList{"red ball at row 1, column 1 selected.",
                                                 "no route."}
                                  << 5;
        QTest::newRow("a move, new balls and the next colours")
            << int(Move)
            << QStringList{"red ball at row 1, column 1 selected.",
                           "moved to row 3, column 1. new balls: cyan at row 1, column 8, cyan "
                           "at row 2, column 8, cyan at row 3, column 8. next: red, blue, green."}
            << 11;
        QTest::newRow("a move taken back")
            << int(TakeBack)
            << QStringList{"red ball at row 1, column 1 selected.",
                           "moved to row 3, column 1. new balls: cyan at row 1, column 8, cyan "
                           "at row 2, column 8, cyan at row 3, column 8. next: red, blue, green.",
                           "move taken back. red ball back at row 1, column 1. next: cyan, "
                           "cyan, cyan."}
            << 30;
        QTest::newRow("a line of five") << int(Line)
                                        << QStringList{"green ball at row 1, column 6 selected.",
                                                       "moved to row 5, column 5. 5 balls "
                                                       "removed, 50 points, score 50."}
                                        << 12;
        QTest::newRow("a new game")
            << int(New)
            << QStringList{"new game. new balls: red at row 1, column 1, blue at row 2, column "
                           "2, green at row 3, column 3. next: yellow, cyan, magenta."}
            << 11;
        QTest::newRow("the end of a game, and the next")
            << int(End)
            << QStringList{"magenta ball at row 8, column 10 selected.",
                           "moved to row 9, column 10. new balls: cyan at row 8, column 10, cyan "
                           "at row 10, column 10. game over, final score 0.",
                           "new game. new balls: red at row 1, column 1, blue at row 2, column "
                           "2, green at row 3, column 3. next: orange, red, blue."}
            << 110;
        QTest::newRow("Right") << int(Right) << QStringList() << 1;
        QTest::newRow("Down") << int(Down) << QStringList() << 1;
        QTest::newRow("Left") << int(Left) << QStringList() << 1;
        QTest::newRow("Up") << int(Up) << QStringList() << 1;
        QTest::newRow("Sound") << int(Sound) << QStringList() << 8;
        QTest::newRow("Shapes") << int(Shapes) << QStringList() << 8;
    }
    void eachStepIsTold() {
        QFETCH(int, step);
        QFETCH(QStringList, told);
        QFETCH(int, most);
        WindowHarness h(false);
        const QStringList layout =
            BoardWith({{1, "0....2..3."}, {2, ".........3"}, {5, "2222......"}});
        LayOut(h.probe().Board(), step == End ? RunFree(99) : layout);
        h.probe().Board().BuildRoutes();
        h.probe().NextColours() = {4, 4, 4};
        const auto deal = [&h] { // a new game's balls and colours
            h.random.PushColours({0, 1, 2});
            h.random.PushCells({1, 12, 23});
            h.random.PushColours({3, 4, 5});
        };
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        {
            const EventLog settling; // where the keyboard is, and the layout, are told first
            QTRY_VERIFY(!settling.Focused().isEmpty());
            h.window->Canvas()->setCursorCell(step >= Right ? CellIndex(5, 6) : CellIndex(1, 1));
            h.Key(Qt::Key_Up);
        }
        const EventLog log;
        switch (step) {
        case Right:
        case Down:
        case Left:
        case Up: {
            const std::array arrows{Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};
            h.Key(arrows.at(static_cast<size_t>(step - Right)));
            break;
        }
        case Sound:
        case Shapes: // through the menu, as a player chooses it
            QTest::keyClick(h.window->Canvas(), Qt::Key_G, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
            QTest::keyClick(QApplication::activePopupWidget(),
                            step == Sound ? Qt::Key_S : Qt::Key_A);
            QTRY_VERIFY(h.window->Canvas()->hasFocus());
            QTRY_VERIFY(!log.Focused().isEmpty());
            break;
        case TakeUp:
            h.Key(Qt::Key_Space);
            break;
        case PutBack:
            h.Key(Qt::Key_Space);
            h.Key(Qt::Key_Space);
            break;
        case Often:
            for (int press = 0; press < 6; ++press) {
                h.Key(Qt::Key_Space);
            }
            break;
        case Walled:
            h.Key(Qt::Key_Space);
            h.Click(10, 1);
            break;
        case EmptyFirst:
            h.Click(1, 2);
            break;
        case AnotherBall:
            h.Key(Qt::Key_Space);
            h.Click(6, 1);
            break;
        case Move:
        case TakeBack:
            h.random.PushCells({71, 72, 73});
            h.random.PushColours({0, 1, 2});
            h.Key(Qt::Key_Space);
            h.Click(1, 3);
            if (step == TakeBack) {
                h.Action(QStringLiteral("&Undo"))->trigger();
            }
            break;
        case Line:
            h.Click(6, 1);
            h.Click(5, 5);
            break;
        case New:
            deal();
            h.Action(QStringLiteral("&New"))->trigger();
            break;
        case End:
            h.random.PushCell(CellIndex(10, 8));
            h.random.PushCell(CellIndex(10, 10));
            deal();
            h.random.PushColours({6, 0, 1}); // chosen once more as the ended turn finishes
            h.Click(10, 8);
            h.Click(10, 9);
            break;
        }
        // A menu that opens shows too. A screen reader that keeps a copy of the tree reads the
        // notification's new words only if told its name changed.
        QStringList notifications;
        QStringList renamed;
        for (const AccessibleEvents::Event& event : log.Events()) {
            QAccessibleInterface* shown = QAccessible::accessibleInterface(event.who);
            if (shown != nullptr && shown->role() == QAccessible::Notification) {
                if (event.type == QAccessible::ObjectShow) {
                    notifications << event.name;
                } else if (event.type == QAccessible::NameChanged) {
                    renamed << event.name;
                }
            }
        }
        QCOMPARE(notifications, told);
        QCOMPARE(renamed, told);
        // A screen reader comes to an event late, often after the next steps: the object it
        // names is still there, and the notification, the area's last child, tells the newest.
        for (const AccessibleEvents::Event& event : log.Events()) {
            QVERIFY(QAccessible::accessibleInterface(event.who) != nullptr);
        }
        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(h.window->Canvas());
        QCOMPARE(area->child(area->childCount() - 1)->text(QAccessible::Name),
                 told.isEmpty() ? QString() : told.last());
        QCOMPARE_LE(log.Events().size(), most);
    }

    void listenerStartingMidGameHearsOnlyTheLastStep() {
        auto started = std::make_unique<EventLog>();
        WindowHarness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QTRY_VERIFY(!started->Focused().isEmpty()); // where the keyboard is has been told
        started.reset();
        LayOut(h.probe().Board(), BoardWith({{1, "1........."}, {5, "....2....."}}));
        h.probe().Board().BuildRoutes();
        ScreenReaderListening(false);
        h.Click(1, 1);
        h.Click(1, 9); // moves, and three new balls arrive: nobody is listening yet
        ScreenReaderListening(true);
        const EventLog log;
        h.Click(5, 5);
        QCOMPARE(log.Game(),
                 (QStringList{"selected: row 5, column 5, green, selected",
                              "notification: green ball at row 5, column 5 selected."}));
    }

    // Rows, columns, indexes and points come from other programs on the accessibility bus; off
    // the board each question is answered with "none", as Qt's bridge asks it.
    void offBoardQuestionsAnswerNone_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("child");
        QTest::addColumn<int>("cellIndex");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        QTest::newRow("row -1") << -1 << 0 << -1 << 0;
        QTest::newRow("column -1") << 0 << -1 << 100 << -1;
        QTest::newRow("row 10") << 10 << 0 << 101 << 101;
        QTest::newRow("column 10") << 0 << 10 << 1000 << 1000;
        QTest::newRow("both 10") << 10 << 10 << -100 << -100;
        QTest::newRow("extremes") << kMin << kMax << kMin << kMin;
        QTest::newRow("other extremes") << kMax << kMin << kMax << kMax;
    }
    void offBoardQuestionsAnswerNone() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, child);
        QFETCH(int, cellIndex);
        WindowHarness h;
        LayOut(h.probe().Board(), BoardWith({{1, "1........."}, {10, ".........1"}}));
        h.Click(1, 1); // a selected ball where a wrapped row or column would land
        QAccessibleInterface* board = Board(h);
        QAccessibleTableInterface* table = board->tableInterface();

        QAccessibleInterface* cell = table->cellAt(row, column);
        QVERIFY(cell != nullptr); // the bridge asks it without looking
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        QVERIFY(place != nullptr);
        QCOMPARE(place->rowIndex(), -1);
        QCOMPARE(place->columnIndex(), -1);
        QCOMPARE(place->rowExtent(), 0);
        QCOMPARE(place->columnExtent(), 0);
        QVERIFY(!place->isSelected());
        QVERIFY(place->table() == nullptr);
        QCOMPARE(board->indexOfChild(cell), -1);
        QVERIFY(row == 0 || table->rowDescription(row).isEmpty());
        QVERIFY(column == 0 || table->columnDescription(column).isEmpty());

        QVERIFY(board->child(child) == nullptr);
        QCOMPARE(board->indexOfChild(nullptr), -1);
        // The bridge turns a child number into a row and a column of its own.
        QCOMPARE(table->cellAt(child / 10, child % 10)->tableCellInterface()->rowIndex(), -1);
        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(h.window->Canvas());
        QVERIFY(area->child(child) == nullptr);
        QVERIFY(area->child(area->childCount()) == nullptr);
        QCOMPARE(h.window->Game().CellColour(cellIndex), -1);
        QVERIFY(!h.window->Game().CellSelected(cellIndex));

        // and the board still answers truly
        QCOMPARE(table->cellAt(9, 9)->text(QAccessible::Name),
                 QStringLiteral("row 10, column 10, blue"));
        QCOMPARE(board->indexOfChild(table->cellAt(9, 9)), 99);
        QVERIFY(table->cellAt(0, 0)->tableCellInterface()->isSelected());
        QCOMPARE(h.window->Game().CellColour(CellIndex(10, 10)), 1);
    }

    // Cells are found by a point on the screen, where they are shown at any zoom, and by their
    // number in reading order.
    void cellsAreFoundByPlaceAndNumber_data() {
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<QPoint>("at"); // on the area as shown
        QTest::addColumn<int>("child");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("cell");
        const QString none = QStringLiteral("100%");
        QTest::newRow("first cell")
            << none << QPoint(2, 2) << 0 << "row 1, column 1, empty" << QRect(2, 2, 30, 30);
        QTest::newRow("along the first row")
            << none << QPoint(36, 31) << 1 << "row 1, column 2, empty" << QRect(36, 2, 30, 30);
        QTest::newRow("down the first column")
            << none << QPoint(31, 36) << 10 << "row 2, column 1, empty" << QRect(2, 36, 30, 30);
        QTest::newRow("last cell") << none << QPoint(337, 337) << 99 << "row 10, column 10, empty"
                                   << QRect(308, 308, 30, 30);
        QTest::newRow("gap after a cell") << none << QPoint(32, 10) << -1 << "" << QRect();
        QTest::newRow("gap after the last cell") << none << QPoint(338, 338) << -1 << "" << QRect();
        QTest::newRow("last cell at 150%") << QStringLiteral("150%") << QPoint(506, 506) << 99
                                           << "row 10, column 10, empty" << QRect(462, 462, 45, 45);
        QTest::newRow("gap after it at 150%")
            << QStringLiteral("150%") << QPoint(508, 460) << -1 << "" << QRect();
        QTest::newRow("first cell at 125%") << QStringLiteral("125%") << QPoint(2, 2) << 0
                                            << "row 1, column 1, empty" << QRect(2, 2, 38, 38);
    }
    void cellsAreFoundByPlaceAndNumber() {
        QFETCH(QString, zoom);
        QFETCH(QPoint, at);
        QFETCH(int, child);
        QFETCH(QString, name);
        QFETCH(QRect, cell);
        WindowHarness h;
        h.Action(zoom)->trigger();
        LayOut(h.probe().Board(), kEmptyBoard);
        QAccessibleInterface* board = Board(h);
        const QPoint global = h.window->Canvas()->mapToGlobal(at);
        QAccessibleInterface* found = board->childAt(global.x(), global.y());
        QCOMPARE(found != nullptr ? found->text(QAccessible::Name) : QString(), name);
        if (child >= 0) {
            QCOMPARE(board->child(child), found);
            QCOMPARE(board->indexOfChild(found), child);
            QCOMPARE(found->rect(),
                     QRect(h.window->Canvas()->mapToGlobal(cell.topLeft()), cell.size()));
        }
    }

    // Tab goes round the board, the next colours and the two scores, Shift+Tab the other way;
    // each is told to screen readers with what it shows, and framed while it has the keys.
    void tabGoesRoundTheParts_data() {
        QTest::addColumn<int>("steps"); // Tab presses; Shift+Tab when below 0
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QRect>("framed");
        QTest::newRow("once") << 1 << "Next Move: red, blue, orange" << QRect(345, 20, 113, 40);
        QTest::newRow("twice") << 2 << "Your Score: 70" << QRect(345, 261, 113, 20);
        QTest::newRow("three times") << 3 << "High Score: 0" << QRect(345, 311, 113, 20);
        QTest::newRow("round again") << 4 << "row 1, column 1, empty" << QRect(2, 2, 30, 30);
        QTest::newRow("Shift+Tab") << -1 << "High Score: 0" << QRect(345, 311, 113, 20);
    }
    void tabGoesRoundTheParts() {
        QFETCH(int, steps);
        QFETCH(QString, focused);
        QFETCH(QRect, framed);
        WindowHarness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        LayOut(h.probe().Board(), kEmptyBoard);
        h.probe().NextColours() = {0, 1, 6};
        h.probe().SetScore(70);
        const EventLog log;
        for (int i = 0; i < qAbs(steps); ++i) {
            h.Key(Qt::Key_Tab, steps < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(h.window->Canvas());
        QCOMPARE(area->focusChild()->text(QAccessible::Name), focused);
        QVERIFY(area->focusChild()->state().focused);
        QCOMPARE(log.Game().last(), QStringLiteral("focus: ") + focused);
        QCOMPARE(QApplication::focusWidget(), h.window->Canvas()); // the keys stay in the area
        const QImage shown = h.window->Canvas()->grab().toImage();
        QCOMPARE(shown.pixel(framed.topLeft() - QPoint(1, 1)), kCursor);
        QCOMPARE(shown.pixel(framed.bottomRight() + QPoint(2, 2)), kCursor);
        QVERIFY(shown.pixel(framed.center()) != kCursor);
    }

private:
    enum Step {
        TakeUp,
        PutBack,
        Often,
        Walled,
        EmptyFirst,
        AnotherBall,
        Move,
        TakeBack,
        Line,
        New,
        End,
        Right, // the arrows and the menu's toggles, from row 5, column 5
        Down,
        Left,
        Up,
        Sound,
        Shapes
    };
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
