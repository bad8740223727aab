#include "board/AreaLayout.h"
#include "support/GameProbe.h"

#include "app/GameNarration.h"
#include "support/Pixels.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

namespace {

constexpr QRgb kPanel = RGB(218, 240, 240);
constexpr QRgb kGrid = RGB(190, 190, 190);

bool ShowsImage(const OffscreenSurface& surface, int32_t x, int32_t y, int32_t image) {
    return Shows(surface.Image(), QPoint(x, y), surface.picPiece(image).Image());
}

bool FilledWith(const OffscreenSurface& surface, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (surface.Image().pixel(x, y) != colour) {
                return false;
            }
        }
    }
    return true;
}

// Moves taken back: a plain one, or one that removes a run or whose new balls complete one.
enum UndoStep { Plain, RunMove, RunArrives, SelectBall, RunBetween, NewAfter };

} // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void soundOptionIsRead_data() {
        QTest::addColumn<QString>("stored"); // a null text: nothing stored
        QTest::addColumn<bool>("on");
        QTest::newRow("nothing stored") << QString() << true;
        QTest::newRow("on") << QStringLiteral("on") << true;
        QTest::newRow("On") << QStringLiteral("On") << true;
        QTest::newRow("ON") << QStringLiteral("ON") << true;
        QTest::newRow("off") << QStringLiteral("off") << false;
        QTest::newRow("empty") << QStringLiteral("") << false;
        QTest::newRow("other text") << QStringLiteral("yes") << false;
        QTest::newRow("padded") << QStringLiteral(" on") << false;
    }
    void soundOptionIsRead() {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        IsolatedSettings settings;
        if (!stored.isNull()) {
            IsolatedSettings::Write(Stored::Key::Sounds, stored);
        }
        clsStatistics statistics;
        ScriptedRandom random;
        RecordingSoundPlayer sound;
        const clsGame game(GameServices{statistics, random, sound});
        QCOMPARE(game.Sounds(), on);
        QCOMPARE(game.EndOfGame(), false);
        QCOMPARE(game.Score(), 0);
    }

    void soundOptionIsStoredOnEverySet() {
        GameHarness h;
        const Stored::Key key = Stored::Key::Sounds;
        for (bool value : {true, true, false, false, true}) {
            IsolatedSettings::Write(key, QStringLiteral("stale"));
            h.game->setSounds(value);
            QCOMPARE(h.game->Sounds(), value);
            QCOMPARE(IsolatedSettings::Read(key).toString(),
                     value ? QStringLiteral("on") : QStringLiteral("off"));
        }
    }

    void newGameSetsUpTheBoard() {
        GameHarness h;
        IsolatedSettings::Write(Stored::Score(1), QStringLiteral("350"));
        h.random.PushColours({2, 4, 6});
        h.random.PushCells({5, 50, 5, 99}); // the second 5 is taken: drawn again
        h.random.PushColours({1, 1, 3});
        h.game->NewGame(h.surface);
        QVERIFY(h.random.Exhausted());

        colPieces& board = h.probe().Board();
        QCOMPARE(board.Count(), 100);
        QCOMPARE(board.PopulatedPieceCount(), 3);
        QCOMPARE(board.Item(5)->Colour(), 2);
        QCOMPARE(board.Item(50)->Colour(), 4);
        QCOMPARE(board.Item(99)->Colour(), 6);
        QCOMPARE(h.probe().NextColours(), (NextColourArray{1, 1, 3}));
        QCOMPARE(h.game->Score(), 0);
        QCOMPARE(h.game->EndOfGame(), false);
        QCOMPARE(h.probe().BestScoreShown(), 350);
        QCOMPARE(h.sound.played, QStringList{QStringLiteral("add.wav")});

        QVERIFY(ShowsImage(h.surface, 350, 25, 1));
        QVERIFY(ShowsImage(h.surface, 385, 25, 1));
        QVERIFY(ShowsImage(h.surface, 420, 25, 3));
        QVERIFY(ShowsImage(h.surface, 2, 138, 2)); // cell 5: column 1, row 5
        QVERIFY(FilledWith(h.surface, QRect(2, 2, 30, 30), kBlack));
        QVERIFY(h.surface.RefreshCount() > 0);
    }

    void damagedBestScoreShowsZero_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("plain") << QStringLiteral("1250") << 1250;
        QTest::newRow("not a number") << QStringLiteral("12abc") << 0;
        QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999") << 0;
        QTest::newRow("fraction") << QStringLiteral("12.5") << 0;
        QTest::newRow("empty") << QStringLiteral("") << 0;
    }
    void damagedBestScoreShowsZero() {
        QFETCH(QString, stored);
        QFETCH(int, shown);
        GameHarness h;
        IsolatedSettings::Write(Stored::Score(1), stored);
        h.Start();
        QCOMPARE(h.probe().BestScoreShown(), shown);
    }

    void pressFollowsTheMoveTable_data() {
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<int>("selectedBefore");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<int>("populatedAfter");
        QTest::addColumn<QStringList>("sounds");
        const QStringList none;
        const QStringList select{QStringLiteral("select.wav")};
        const QStringList add{QStringLiteral("add.wav")};
        auto at = [](int32_t col, int32_t row) {
            return QPointF((col - 1) * 34 + 17, (row - 1) * 34 + 17);
        };
        // The layout has 5 pieces: (1,1) walled in by (2,1) and (1,2), (5,4) and (10,10).
        QTest::newRow("select a piece") << at(5, 4) << 0 << CellIndex(5, 4) << 5 << select;
        QTest::newRow("empty cell, nothing selected") << at(6, 6) << 0 << 0 << 5 << none;
        QTest::newRow("take back") << at(5, 4) << CellIndex(5, 4) << 0 << 5 << none;
        QTest::newRow("another piece")
            << at(2, 1) << CellIndex(5, 4) << CellIndex(5, 4) << 5 << none;
        QTest::newRow("blocked move")
            << at(6, 6) << CellIndex(1, 1) << CellIndex(1, 1) << 5 << none;
        QTest::newRow("move, then three new pieces")
            << at(8, 8) << CellIndex(5, 4) << 0 << 8 << add;
        QTest::newRow("gap between cells") << QPointF(33, 17) << 0 << 0 << 5 << none;
        QTest::newRow("gap with a selection")
            << QPointF(17, 33.4) << CellIndex(5, 4) << CellIndex(5, 4) << 5 << none;
        QTest::newRow("side panel") << QPointF(400, 150) << 0 << 0 << 5 << none;
        QTest::newRow("select the last cell") << at(10, 10) << 0 << 100 << 5 << select;
        QTest::newRow("right of the board") << QPointF(339.5, 17) << 0 << 0 << 5 << none;
    }
    void pressFollowsTheMoveTable() {
        QFETCH(QPointF, press);
        QFETCH(int, selectedBefore);
        QFETCH(int, selectedAfter);
        QFETCH(int, populatedAfter);
        QFETCH(QStringList, sounds);
        GameHarness h;
        const QStringList layout = BoardWith(
            {{1, "13........"}, {2, "3........."}, {4, "....0....."}, {10, ".........6"}});
        h.Start(layout);
        if (selectedBefore != 0) {
            h.probe().Board().Item(selectedBefore)->setSelected(true);
            h.probe().Board().Item(selectedBefore)->Draw(h.surface);
        }
        h.probe().NextColours() = {5, 5, 5};
        h.random.PushCells({81, 82, 83});
        const int32_t refreshes = h.surface.RefreshCount();

        h.game->DoMove(static_cast<float>(press.x()), static_cast<float>(press.y()));

        colPieces& board = h.probe().Board();
        QCOMPARE(board.GetSelectedPieceIndex(), selectedAfter);
        QVERIFY(board.SelectedPieceCount() <= 1);
        QCOMPARE(board.PopulatedPieceCount(), populatedAfter);
        QCOMPARE(h.sound.played, sounds);
        QCOMPARE(h.surface.RefreshCount(), refreshes + 1); // refreshed once, whatever happened
        if (selectedAfter != 0) {
            const clsPiece& cell = *board.Item(selectedAfter);
            QVERIFY(ShowsImage(h.surface, cell.Left(), cell.Top(), cell.Colour() + 7));
        }
    }

    void movedPieceArrives() {
        GameHarness h;
        h.Start(BoardWith({{4, "....4....."}}));
        h.probe().NextColours() = {0, 1, 2};
        h.random.PushCells({81, 82, 83});
        h.Press(5, 4);
        h.Press(9, 10);
        QCOMPARE(h.Cell(5, 4).Populated(), false);
        QCOMPARE(h.Cell(9, 10).Colour(), 4);
        QCOMPARE(h.probe().Board().Item(81)->Colour(), 0);
        QCOMPARE(h.probe().Board().Item(83)->Colour(), 2);
        QVERIFY(FilledWith(h.surface, QRect(138, 104, 30, 30), kBlack));
        QVERIFY(ShowsImage(h.surface, 274, 308, 4));
        QVERIFY(ShowsImage(h.surface, 274, 2, 0));
    }

    void samePieceThreeTimes() {
        GameHarness h;
        h.Start(BoardWith({{5, ".....2...."}}));
        h.Press(6, 5);
        h.Press(6, 5);
        QCOMPARE(h.probe().Board().SelectedPieceCount(), 0);
        QVERIFY(ShowsImage(h.surface, 172, 138, 2));
        h.Press(6, 5);
        QCOMPARE(h.probe().Board().GetSelectedPieceIndex(), CellIndex(6, 5));
        QCOMPARE(h.sound.played, QStringList(2, QStringLiteral("select.wav")));
    }

    void moveThatCompletesARunAddsNothing() {
        GameHarness h;
        h.Start(BoardWith({{6, "0000.....3"}, {8, "....0....."}}));
        h.probe().NextColours() = {1, 2, 3};
        h.Press(5, 8);
        h.Press(5, 6);
        QCOMPARE(h.game->Score(), 50);
        QCOMPARE(h.probe().Board().PopulatedPieceCount(), 1);
        QCOMPARE(h.probe().NextColours(), (NextColourArray{1, 2, 3}));
        QCOMPARE(h.sound.played,
                 (QStringList{QStringLiteral("select.wav"), QStringLiteral("remove.wav")}));
        for (int32_t col = 1; col <= 5; ++col) {
            QVERIFY(FilledWith(h.surface, QRect((col - 1) * 34 + 2, 172, 30, 30), kBlack));
        }
        // The emptied cells can be moved through at once.
        h.Press(10, 6);
        h.Press(1, 6);
        QCOMPARE(h.Cell(1, 6).Colour(), 3);
    }

    void runsAreFoundInEveryDirection_data() {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<int>("removed");
        QTest::newRow("column, rows 6 to 10") << BoardWith({{6, "0........."},
                                                            {7, "0........."},
                                                            {8, "0........."},
                                                            {9, "0........."},
                                                            {10, "0........."}})
                                              << 5;
        QTest::newRow("indices wrapping into the next column") << BoardWith({{8, "0........."},
                                                                             {9, "0........."},
                                                                             {10, "0........."},
                                                                             {1, ".0........"},
                                                                             {2, ".0........"}})
                                                               << 0;
        QTest::newRow("four in a row") << BoardWith({{3, "...1111..."}}) << 0;
        QTest::newRow("broken by another colour") << BoardWith({{3, "..1121111."}}) << 0;
        QTest::newRow("whole row of ten") << BoardWith({{10, "6666666666"}}) << 10;
        QTest::newRow("six in a column, last column") << BoardWith({{1, ".........5"},
                                                                    {2, ".........5"},
                                                                    {3, ".........5"},
                                                                    {4, ".........5"},
                                                                    {5, ".........5"},
                                                                    {6, ".........5"}})
                                                      << 6;
        QTest::newRow("down-left from the top-right corner") << BoardWith({{1, ".........4"},
                                                                           {2, "........4."},
                                                                           {3, ".......4.."},
                                                                           {4, "......4..."},
                                                                           {5, ".....4...."}})
                                                             << 5;
        QTest::newRow("down-left from column 5") << BoardWith({{1, "....1....."},
                                                               {2, "...1......"},
                                                               {3, "..1......."},
                                                               {4, ".1........"},
                                                               {5, "1........."}})
                                                 << 5;
        QTest::newRow("down-left into the bottom row") << BoardWith({{6, ".........4"},
                                                                     {7, "........4."},
                                                                     {8, ".......4.."},
                                                                     {9, "......4..."},
                                                                     {10, ".....4...."}})
                                                       << 5;
        QTest::newRow("down-right into the bottom-left corner") << BoardWith({{6, "2........."},
                                                                              {7, ".2........"},
                                                                              {8, "..2......."},
                                                                              {9, "...2......"},
                                                                              {10, "....2....."}})
                                                                << 5;
        QTest::newRow("down-right ending in the bottom-right corner")
            << BoardWith({{6, ".....3...."},
                          {7, "......3..."},
                          {8, ".......3.."},
                          {9, "........3."},
                          {10, ".........3"}})
            << 5;
        QTest::newRow("cross sharing its middle") << BoardWith({{3, "..2......."},
                                                                {4, "..2......."},
                                                                {5, "22222....."},
                                                                {6, "..2......."},
                                                                {7, "..2......."}})
                                                  << 9;
        QTest::newRow("two colours at once")
            << BoardWith({{1, "11111....."}, {10, ".....00000"}}) << 10;
        QTest::newRow("four on a diagonal")
            << BoardWith(
                   {{1, "5........."}, {2, ".5........"}, {3, "..5......."}, {4, "...5......"}})
            << 0;
    }
    void runsAreFoundInEveryDirection() {
        QFETCH(QStringList, layout);
        QFETCH(int, removed);
        GameHarness h;
        h.Start(layout);
        colPieces& board = h.probe().Board();
        const int32_t before = board.PopulatedPieceCount();
        for (int32_t i = 1; i <= 100; ++i) {
            board.Item(i)->setSelected(board.Item(i)->Populated()); // removal clears these
            board.Item(i)->Draw(h.surface);
        }
        QCOMPARE(h.probe().RemoveRuns(), removed > 0);
        QCOMPARE(board.PopulatedPieceCount(), before - removed);
        QCOMPARE(board.SelectedPieceCount(), before - removed);
        QCOMPARE(h.game->Score(), 10 * removed);
        QCOMPARE(h.sound.played.count(QStringLiteral("remove.wav")), removed > 0 ? 1 : 0);
        for (int32_t i = 1; i <= 100; ++i) {
            const clsPiece& cell = *board.Item(i);
            if (!cell.Populated() && cell.Selected()) {
                QFAIL("an emptied cell stayed selected");
            }
            if (!cell.Populated()) {
                QVERIFY(FilledWith(h.surface, QRect(cell.Left(), cell.Top(), 30, 30), kBlack));
            }
        }
    }

    void removalIsSilentWithSoundsOff() {
        GameHarness h(false);
        h.Start(BoardWith({{1, "11111....."}}));
        QVERIFY(h.probe().RemoveRuns());
        QVERIFY(h.sound.played.isEmpty());
    }

    void gameEndsWhenTheBoardFills_data() {
        QTest::addColumn<int>("populated");
        QTest::addColumn<bool>("sounds");
        QTest::addColumn<int>("placed");
        QTest::newRow("97, sounds on") << 97 << true << 3;
        QTest::newRow("98, sounds on") << 98 << true << 2;
        QTest::newRow("99, sounds off") << 99 << false << 1;
        QTest::newRow("96, no end") << 96 << true << 3;
    }
    void gameEndsWhenTheBoardFills() {
        QFETCH(int, populated);
        QFETCH(bool, sounds);
        QFETCH(int, placed);
        GameHarness h(sounds);
        h.Start(RunFree(populated + 1));
        h.probe().NextColours() = {0, 1, 2};
        for (int32_t cell = populated + 1; cell <= 100; ++cell) {
            h.random.PushCell(cell);
        }
        int32_t raised = 0;
        h.game->setGameOverHandler([&] {
            ++raised;
            QVERIFY(h.game->EndOfGame());
            QCOMPARE(h.sound.played.value(0), QStringLiteral("end.wav"));
        });

        h.probe().AddNewPieces();

        const bool ends = populated + placed == 100;
        QCOMPARE(raised, ends ? 1 : 0);
        QCOMPARE(h.game->EndOfGame(), ends);
        QCOMPARE(h.probe().Board().PopulatedPieceCount(), populated + placed);
        for (int32_t k = 0; k < placed; ++k) {
            QCOMPARE(h.probe().Board().Item(populated + 1 + k)->Colour(), k);
        }
        QStringList expected;
        if (ends) {
            expected << QStringLiteral("end.wav");
        }
        if (sounds) {
            expected << QStringLiteral("add.wav");
        }
        QCOMPARE(h.sound.played, expected);
    }

    void newGameFromInsideGameOverContinuesSafely() {
        GameHarness h;
        h.Start(RunFree(99)); // 98 pieces
        h.probe().Board().Item(98)->setPopulated(false);
        h.probe().Board().Item(99)->setColour(5);
        h.probe().Board().BuildRoutes(); // now 98 and 100 are empty
        int32_t raised = 0;
        h.game->setGameOverHandler([&] {
            ++raised;
            h.game->NewGame(h.surface);
        });
        h.probe().NextColours() = {1, 2, 3};
        h.Press(10, 9); // select the piece on cell 99
        h.random.PushCell(98);
        h.random.PushCell(100);
        h.Press(10, 10); // move it to 100; the new pieces fill 98 and 99

        QCOMPARE(raised, 1);
        QCOMPARE(h.game->EndOfGame(), false);
        QCOMPARE(h.game->Score(), 0);
        colPieces& board = h.probe().Board();
        QCOMPARE(board.Count(), 100);
        QCOMPARE(board.PopulatedPieceCount(), 3);
        QCOMPARE(board.SelectedPieceCount(), 0);

        // Nothing of the finished board is left on screen: repainting changes no pixel.
        const QImage shown = h.surface.Image().copy();
        h.probe().DrawBoard();
        QCOMPARE(h.surface.Image(), shown);
    }

    void undoTakesTheLastMoveBack_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("plain move") << int(Plain);
        QTest::newRow("move removes a run") << int(RunMove);
        QTest::newRow("new balls complete a run") << int(RunArrives);
        QTest::newRow("plain, with a ball selected at undo") << int(SelectBall);
        QTest::newRow("plain, and a run's move undone before it is made again") << int(RunBetween);
        QTest::newRow("plain, then a new game") << int(NewAfter);
    }
    void undoTakesTheLastMoveBack() {
        QFETCH(int, step);
        GameHarness h;
        // Cell 48 to 46 completes the line on row 6, and so does a red ball arriving on 46.
        h.Start(BoardWith({{4, "....4....."}, {6, "0000......"}, {8, "....0....."}}));
        h.probe().NextColours() = {0, 1, 2};
        h.random.PushCells({step == RunArrives ? 46 : 81, 82, 83});
        const GamePosition before = h.game->Position();
        const auto move = [&](int32_t from) {
            h.game->PressCell(from);
            h.game->PressCell(from == 48 ? 46 : 90);
        };
        const int32_t from = step == RunMove ? 48 : 44;
        move(from);
        const GamePosition after = h.game->Position();
        h.game->PressCell(step == SelectBall ? 48 : 0); // neither taking a ball up nor a miss moves
        QList<GameHappening> heard;
        h.game->setReporter([&](const GameHappening& happening) { heard << happening; });
        h.game->Undo();
        h.game->Undo(); // there is nothing more to take back
        QCOMPARE(h.game->Position(), before);
        QCOMPARE(h.probe().Board().SelectedPieceCount(), 0);
        const QImage shown = h.surface.Image().copy();
        h.probe().DrawBoard();
        QCOMPARE(h.surface.Image(), shown); // all of it drawn as it stands
        const QString ball = from == 44 ? "cyan ball back at row 4" : "red ball back at row 8";
        QCOMPARE(GameNarration::Account(heard, before.next),
                 "move taken back. " + ball + ", column 5. next: red, blue, green.");
        if (step == NewAfter) { // a new game draws its own chance, not the move's taken back
            h.random.PushColours({5, 5, 5});
            h.random.PushCells({1, 2, 3});
            h.game->NewGame(h.surface);
            QCOMPARE(h.game->Position().cells[0], 5);
            return;
        }
        if (step == RunBetween) { // the fractions of both moves taken back come again in order
            move(48);
            h.game->Undo();
        }
        move(from); // again: the same balls and next colours come
        QCOMPARE(h.game->Position(), after);
    }

    void resumeGoesOnFromAPlayablePosition_data() {
        QTest::addColumn<GamePosition>("position");
        QTest::addColumn<bool>("playable");
        GamePosition::CellColours cells = GamePosition::NoBalls();
        cells[40] = cells[41] = cells[42] = cells[43] = cells[44] = 3; // five down column 5
        GamePosition::CellColours seven = cells;
        seven[40] = 7;
        QTest::newRow("a line of five left standing")
            << GamePosition{cells, {6, 0, 4}, 2'000'000'000} << true;
        QTest::newRow("colour 7") << GamePosition{seven, {6, 0, 4}, 120} << false;
        QTest::newRow("next colour empty") << GamePosition{cells, {6, 0, -1}, 120} << false;
        QTest::newRow("full board") << GamePosition{{}, {6, 0, 4}, 120} << false;
        QTest::newRow("negative score") << GamePosition{cells, {6, 0, 4}, -10} << false;
        QTest::newRow("not a ball's points") << GamePosition{cells, {6, 0, 4}, 125} << false;
        QTest::newRow("too large") << GamePosition{cells, {6, 0, 4}, 2'000'000'010} << false;
    }
    void resumeGoesOnFromAPlayablePosition() {
        QFETCH(GamePosition, position);
        QFETCH(bool, playable);
        QCOMPARE(clsGame::IsPlayable(position), playable);
        GameHarness h;
        h.Start(BoardWith({{1, "1........."}}));
        h.game->PressCell(1);
        h.game->PressCell(2); // a move, not to be taken back in the game that follows
        h.game->ResumeGame(h.surface, position);
        QCOMPARE(h.game->Position() == position, playable); // or a new game instead
        QVERIFY(!h.game->CanUndo());
        const QImage shown = h.surface.Image().copy();
        h.probe().DrawBoard();
        QCOMPARE(h.surface.Image(), shown); // all of it drawn as it stands
    }

    void gameAreaIsPainted() {
        GameHarness h;
        IsolatedSettings::Write(Stored::Score(1), QStringLiteral("2147483647"));
        h.Start();
        const QImage& image = h.surface.Image();

        QCOMPARE(image.pixel(400, 150), kPanel);
        QCOMPARE(image.pixel(342, 100), kPanel);
        // The panel's etched edge: a dark line inside a light one on the top and left, and
        // the other way round on the bottom and right.
        const QPalette palette = QGuiApplication::palette();
        const QRgb light = palette.color(QPalette::Light).rgb();
        const QRgb dark = palette.color(QPalette::Dark).rgb();
        QCOMPARE(image.pixel(400, 0), dark);
        QCOMPARE(image.pixel(400, 1), light);
        QCOMPARE(image.pixel(341, 150), light);
        QCOMPARE(image.pixel(400, 338), dark);
        for (QPoint p : {QPoint(10, 33), QPoint(200, 305), QPoint(33, 10), QPoint(305, 200),
                         QPoint(33, 33), QPoint(339, 67), QPoint(67, 338)}) {
            QCOMPARE(image.pixel(p), kGrid);
        }
        QVERIFY(image.pixel(340, 33) != kGrid); // lines stop at the board's edge
        QVERIFY(image.pixel(32, 33) == kGrid && image.pixel(33, 32) == kGrid);

        // Sunken board edge: darker on the top and left than on the bottom and right.
        auto brightness = [&](int x, int y) { return Brightness(image.pixel(x, y)); };
        QVERIFY(brightness(100, 0) < brightness(100, 338)); // row 339 lies outside the window
        QVERIFY(brightness(0, 100) < brightness(339, 100));
        QVERIFY(image.pixel(2, 100) == kBlack);

        // The preview box: a raised edge, black inside, three pieces.
        QVERIFY(brightness(400, 20) > brightness(400, 59));
        QCOMPARE(image.pixel(347, 40), kBlack);
        QCOMPARE(image.pixel(382, 40), kBlack);
        QCOMPARE(image.pixel(455, 40), kBlack);
        QVERIFY(image.pixel(456, 40) != kBlack);
        QCOMPARE(image.pixel(400, 22), kBlack);

        // The score boxes, from rows 261 to 280 and 311 to 330, with centred white digits.
        for (int top : {261, 311}) {
            QCOMPARE(image.pixel(400, top - 1), kPanel);
            QVERIFY(image.pixel(400, top) != kPanel);
            QVERIFY(image.pixel(400, top + 19) != kPanel);
            QCOMPARE(image.pixel(400, top + 20), kPanel);
            QCOMPARE(image.pixel(344, top + 10), kPanel);
            QVERIFY(image.pixel(345, top + 10) != kPanel);
            QVERIFY(image.pixel(457, top + 10) != kPanel);
            QCOMPARE(image.pixel(458, top + 10), kPanel);
            const QRect digits = WhiteBox(image, QRect(347, top + 2, 109, 16));
            QVERIFY(!digits.isEmpty());
            const double middle = (digits.left() + digits.right()) / 2.0;
            QVERIFY2(qAbs(middle - 401) <= 2, qPrintable(QString::number(middle)));
        }
        const QRect ten = WhiteBox(image, QRect(347, 313, 109, 16));
        const QRect one = WhiteBox(image, QRect(347, 263, 109, 16));
        QVERIFY(ten.width() > 4 * one.width()); // "2147483647" against "0"
    }

    void paintingDependsOnlyOnTheCells() {
        GameHarness h;
        h.Start(kEmptyBoard);
        h.probe().DrawBoard();
        const QImage empty = h.surface.Image().copy();
        h.probe().DrawBoard();
        QCOMPARE(h.surface.Image(), empty);

        LayOut(h.probe().Board(), RunFree());
        h.probe().DrawBoard();
        const QImage& full = h.surface.Image();
        for (int y = 0; y < CLIENT_HEIGHT; ++y) {
            for (int x = 0; x < CLIENT_WIDTH; ++x) {
                const bool inCell = x < 340 && y < 340 && (x - 2) % 34 < 30 && (y - 2) % 34 < 30 &&
                                    x >= 2 && y >= 2;
                if (!inCell && full.pixel(x, y) != empty.pixel(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
                }
            }
        }
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
