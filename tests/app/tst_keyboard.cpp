#include "support/Pixels.h"
#include "support/WindowHarness.h"

#include <QPaintEvent>

// The board played with the keys alone, as a player without a mouse or a screen reader does.

namespace {

// What a widget has painted since the log was made.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* widget) : mWidget(widget) { widget->installEventFilter(this); }
    ~PaintLog() override { mWidget->removeEventFilter(this); }
    bool Covers(const QRect& rect) const { return (QRegion(rect) - mPainted).isEmpty(); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            mPainted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QWidget* mWidget;
    QRegion mPainted;
};

struct Stroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool repeated = false;
};

} // namespace

Q_DECLARE_METATYPE(Stroke)

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void keysPlayAMoveAndABlockedMove() {
        WindowHarness h;
        LayOut(h.probe().Board(),
               BoardWith(
                   {{1, "3........."}, {4, "....1....."}, {5, "...121...."}, {6, "....1....."}}));
        h.probe().Board().BuildRoutes();
        h.sound.played.clear();
        h.probe().NextColours() = {4, 4, 4};
        h.random.PushCells({81, 82, 83});
        colPieces& board = h.probe().Board();

        h.Keys({Qt::Key_Left}); // the cursor appears on the top-left cell
        QCOMPARE(h.window->Canvas()->FramedCell(), CellIndex(1, 1));
        h.Keys({Qt::Key_Left, Qt::Key_Up, Qt::Key_Space}); // stops at the edges
        QCOMPARE(board.GetSelectedPieceIndex(), CellIndex(1, 1));
        h.Keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(board.Item(CellIndex(1, 3))->Colour(), 3);
        QVERIFY(!board.Item(CellIndex(1, 1))->Populated());
        QCOMPARE(board.PopulatedPieceCount(), 9); // three new pieces came
        QCOMPARE(h.sound.played, (QStringList{"select.wav", "add.wav"}));

        // The walled-in piece cannot leave its pocket.
        h.Keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                Qt::Key_Down, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Space});
        QCOMPARE(h.window->Canvas()->FramedCell(), CellIndex(5, 2));
        QCOMPARE(board.GetSelectedPieceIndex(), CellIndex(5, 5));
        QCOMPARE(board.PopulatedPieceCount(), 9);
    }

    void cursorFramesTheCellAndGoesWithTheMouse() {
        WindowHarness h;
        LayOut(h.probe().Board(), BoardWith({{3, "..5......."}}));
        h.probe().DrawBoard();
        h.Click(3, 3); // a selected piece under the cursor
        h.Keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down});
        QCOMPARE(h.window->Canvas()->FramedCell(), CellIndex(3, 3));
        const QImage& surface = h.window->Surface().Image();
        QImage shown = h.window->Canvas()->grab().toImage();

        for (int i = 0; i < 30; ++i) { // the whole cell stays in view, corners included
            QCOMPARE(shown.pixel(70 + i, 70), surface.pixel(70 + i, 70));
            QCOMPARE(shown.pixel(70 + i, 99), surface.pixel(70 + i, 99));
        }
        for (QPoint frame : {QPoint(68, 68), QPoint(69, 80), QPoint(100, 80), QPoint(101, 101),
                             QPoint(80, 100), QPoint(80, 69)}) {
            QCOMPARE(shown.pixel(frame), kCursor);
        }
        QCOMPARE(shown.pixel(67, 80), surface.pixel(67, 80));
        QVERIFY(surface.pixel(68, 68) != kCursor); // drawn over the surface, not into it

        // Moving on repaints where the frame was and where it now is.
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        {
            // Whatever showing and activating the window still had to paint is painted.
            PaintLog settled(h.window->Canvas());
            h.window->Canvas()->update();
            QTRY_VERIFY(settled.Covers(h.window->Canvas()->rect()));
        }
        PaintLog paints(h.window->Canvas());
        h.Keys({Qt::Key_Right});
        QTRY_VERIFY(paints.Covers(QRect(68, 68, 34, 34)) && paints.Covers(QRect(102, 68, 34, 34)));

        h.Click(9, 9);
        QCOMPARE(h.window->Canvas()->FramedCell(), std::nullopt);
        shown = h.window->Canvas()->grab().toImage();
        QCOMPARE(shown.pixel(68, 68), surface.pixel(68, 68));
    }

    void keysWaitWhileTheGameIsOver() {
        WindowHarness h;
        LayOut(h.probe().Board(), RunFree(101));
        h.window->Game().setGameOverHandler({}); // leave the finished game standing
        h.probe().AddNewPieces();
        h.sound.played.clear();
        h.Keys({Qt::Key_Right, Qt::Key_Space});
        QCOMPARE(h.window->Canvas()->FramedCell(), std::nullopt);
        QCOMPARE(h.probe().Board().SelectedPieceCount(), 0);
        QVERIFY(h.sound.played.isEmpty());
    }

    // Arrows move the cursor and may repeat; Space and Enter press once however long they are
    // held; keys with Ctrl, Alt or Shift are not the board's. The keypad works as the main keys.
    void keysMoveTheCursor_data() {
        QTest::addColumn<QList<Stroke>>("strokes");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("selected");
        const Stroke show{Qt::Key_Left}; // the cursor starts top left: this only shows it
        const Stroke down{Qt::Key_Down};
        const QList<Stroke> twelve(12, down);
        QTest::newRow("down to the bottom edge")
            << (QList<Stroke>{show} + twelve) << CellIndex(1, 10) << 0;
        QTest::newRow("right to the right edge")
            << QList<Stroke>(13, {Qt::Key_Right}) << CellIndex(10, 1) << 0;
        QTest::newRow("held arrows repeat") << QList<Stroke>{show,
                                                             {Qt::Key_Down, Qt::NoModifier, true},
                                                             {Qt::Key_Down, Qt::NoModifier, true}}
                                            << CellIndex(1, 3) << 0;
        QList<Stroke> keypad{{Qt::Key_Right, Qt::KeypadModifier}};
        keypad += QList<Stroke>(9, {Qt::Key_Down, Qt::KeypadModifier});
        keypad += QList<Stroke>(9, {Qt::Key_Right, Qt::KeypadModifier});
        keypad += QList<Stroke>{{Qt::Key_Enter, Qt::KeypadModifier}};
        QTest::newRow("keypad") << keypad << CellIndex(10, 10) << CellIndex(10, 10);
        QTest::newRow("with Ctrl, Alt or Shift")
            << QList<Stroke>{show,
                             {Qt::Key_Down, Qt::ControlModifier},
                             {Qt::Key_Down, Qt::AltModifier},
                             {Qt::Key_Right, Qt::ShiftModifier},
                             {Qt::Key_Space, Qt::ControlModifier},
                             {Qt::Key_Return, Qt::AltModifier}}
            << CellIndex(1, 1) << 0;
        QTest::newRow("held Space")
            << QList<Stroke>{show, {Qt::Key_Space}, {Qt::Key_Space, Qt::NoModifier, true}}
            << CellIndex(1, 1) << CellIndex(1, 1);
        QTest::newRow("held Enter") << QList<Stroke>{show,
                                                     {Qt::Key_Return},
                                                     {Qt::Key_Return, Qt::NoModifier, true},
                                                     {Qt::Key_Return, Qt::NoModifier, true},
                                                     {Qt::Key_Return, Qt::NoModifier, true}}
                                    << CellIndex(1, 1) << CellIndex(1, 1);
        QTest::newRow("Space and Enter press")
            << QList<Stroke>{show, {Qt::Key_Space}, {Qt::Key_Enter}} << CellIndex(1, 1) << 0;
        QTest::newRow("Space at once presses where the cursor starts")
            << QList<Stroke>{{Qt::Key_Space}} << CellIndex(1, 1) << CellIndex(1, 1);
        QTest::newRow("Tab takes the keys off the board, Shift+Tab brings them back")
            << QList<Stroke>{{Qt::Key_Tab},
                             {Qt::Key_Down},
                             {Qt::Key_Space},
                             {Qt::Key_Tab, Qt::ShiftModifier},
                             {Qt::Key_Down}}
            << CellIndex(1, 2) << 0;
    }
    void keysMoveTheCursor() {
        QFETCH(QList<Stroke>, strokes);
        QFETCH(int, cursor);
        QFETCH(int, selected);
        WindowHarness h;
        LayOut(h.probe().Board(), BoardWith({{1, "0........."}, {10, ".........6"}}));
        for (const Stroke& stroke : strokes) {
            h.Key(stroke.key, stroke.modifiers, stroke.repeated);
        }
        QCOMPARE(h.window->Canvas()->Cursor(), cursor);
        QCOMPARE(h.probe().Board().GetSelectedPieceIndex(), selected);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
