#include "board/AreaLayout.h"
#include "board/clsPath.h"
#include "board/clsPiece.h"
#include "board/colPieces.h"
#include "platform/WindowSurface.h"
#include "support/BoardBuilder.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void newCellIsEmptyAndHitsNothing() {
        const clsPiece cell;
        QCOMPARE(cell.Populated(), false);
        QCOMPARE(cell.Colour(), -1);
        QCOMPARE(cell.Selected(), false);
        for (int32_t link : {cell.AdjacentLeft(), cell.AdjacentRight(), cell.AdjacentTop(),
                             cell.AdjacentBottom()}) {
            QCOMPARE(link, -1);
        }
        QVERIFY(!cell.IsSelected(0, 0));
        QVERIFY(!cell.IsSelected(-0.4f, 0.4f));
    }

    void colourAndPopulatedAreTied() {
        clsPiece cell;
        cell.setColour(0);
        QVERIFY(cell.Populated()); // colour 0 is a real colour
        QCOMPARE(cell.Colour(), 0);
        cell.setColour(4);
        cell.setPopulated(false);
        QCOMPARE(cell.Colour(), -1);
        cell.setPopulated(true);
        QCOMPARE(cell.Colour(), -1);
        cell.setSelected(true);
        cell.setPopulated(false);
        QVERIFY(cell.Selected()); // emptying does not deselect
    }

    void hitTestRoundsHalfToEven_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("inside");
        QTest::newRow("top-left corner") << 2.0f << 2.0f << true;
        QTest::newRow("last pixel") << 31.0f << 31.0f << true;
        QTest::newRow("right edge excluded") << 32.0f << 10.0f << false;
        QTest::newRow("bottom edge excluded") << 10.0f << 32.0f << false;
        QTest::newRow("1.5 rounds to 2") << 1.5f << 10.0f << true;
        QTest::newRow("2.5 rounds to 2") << 2.5f << 10.0f << true;
        QTest::newRow("1.4 rounds to 1") << 1.4f << 10.0f << false;
        QTest::newRow("31.5 rounds to 32") << 31.5f << 10.0f << false;
        QTest::newRow("30.5 rounds to 30") << 30.5f << 10.0f << true;
        QTest::newRow("y 31.5 rounds to 32") << 10.0f << 31.5f << false;
        QTest::newRow("y 1.5 rounds to 2") << 10.0f << 1.5f << true;
        QTest::newRow("far outside") << 3.0e9f << 10.0f << false;
        QTest::newRow("far outside, negative") << -3.0e9f << 10.0f << false;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 10.0f << false;
        // A cell placed far out, where a float holds whole numbers only: (2^24, 2^24 + 64).
        QTest::newRow("far cell, its left edge") << 16777216.0f << 10.0f << true;
        QTest::newRow("far cell, past its right edge") << 16777280.0f << 10.0f << false;
        QTest::newRow("far cell, just before") << 16777214.0f << 10.0f << false;
        QTest::newRow("beyond 32 bits") << 4294967296.0f << 10.0f << false;
    }
    void hitTestRoundsHalfToEven() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, inside);
        const bool far = std::fabs(x) >= 16777214.0f && std::fabs(x) < 3.0e9f;
        clsPiece cell;
        cell.setLeft(far ? 16777216 : 2);
        cell.setTop(2);
        cell.setRight(far ? 16777280 : 32);
        cell.setBottom(32);
        QCOMPARE(cell.IsSelected(x, y), inside);
    }

    void drawPaintsOnlyItsCell_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("image"); // -1 black fill, -2 white fill
        QTest::newRow("empty") << -1 << false << -1;
        QTest::newRow("empty selected") << -1 << true << -2;
        QTest::newRow("red") << 0 << false << 0;
        QTest::newRow("orange") << 6 << false << 6;
        QTest::newRow("orange selected") << 6 << true << 13;
        QTest::newRow("blue selected") << 1 << true << 8;
    }
    void drawPaintsOnlyItsCell() {
        QFETCH(int, colour);
        QFETCH(bool, selected);
        QFETCH(int, image);
        OffscreenSurface surface{CLIENT_SURFACE};
        const QRgb grey = RGB(102, 102, 102);
        surface.hDC().FillRect(RECT{0, 0, CLIENT_WIDTH, CLIENT_HEIGHT}, CreateSolidBrush(grey));
        clsPiece cell;
        cell.setLeft(36);
        cell.setTop(70);
        cell.setRight(66);
        cell.setBottom(100);
        if (colour >= 0) {
            cell.setColour(colour);
        }
        cell.setSelected(selected);
        cell.Draw(surface);

        const QImage& drawn = surface.Image();
        for (int y = 0; y < CLIENT_HEIGHT; ++y) {
            for (int x = 0; x < CLIENT_WIDTH; ++x) {
                const bool inside = x >= 36 && x < 66 && y >= 70 && y < 100;
                if (!inside) {
                    QCOMPARE(drawn.pixel(x, y), grey);
                } else if (image == -1) {
                    QCOMPARE(drawn.pixel(x, y), RGB(0, 0, 0));
                } else if (image == -2) {
                    QCOMPARE(drawn.pixel(x, y), RGB(255, 255, 255));
                } else {
                    QCOMPARE(drawn.pixel(x, y),
                             surface.picPiece(image).Image().pixel(x - 36, y - 70));
                }
            }
        }
        QCOMPARE(surface.RefreshCount(), 0); // drawing a cell does not refresh
    }

    void emptyBoardAnswersZero() {
        colPieces board;
        QCOMPARE(board.Count(), 0);
        QCOMPARE(board.GetSelectedPieceIndex(), 0);
        QCOMPARE(board.PopulatedPieceCount(), 0);
        QCOMPARE(board.SelectedPieceCount(), 0);
        board.RemoveAll();
        QCOMPARE(board.Count(), 0);
    }

    void cellsAreAddedInIndexOrder_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QRect>("rect"); // left, top, right, bottom as x, y, width, height
        QTest::newRow("1") << 1 << 1 << 1 << QRect(QPoint(2, 2), QPoint(31, 31));
        QTest::newRow("2") << 2 << 1 << 2 << QRect(QPoint(2, 36), QPoint(31, 65));
        QTest::newRow("11") << 11 << 2 << 1 << QRect(QPoint(36, 2), QPoint(65, 31));
        QTest::newRow("100") << 100 << 10 << 10 << QRect(QPoint(308, 308), QPoint(337, 337));
    }
    void cellsAreAddedInIndexOrder() {
        QFETCH(int, index);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QRect, rect);
        colPieces board;
        BuildStandardBoard(board);
        QCOMPARE(board.Count(), 100);
        const clsPiece& cell = *board.Item(index);
        QCOMPARE(cell.Col(), col);
        QCOMPARE(cell.Row(), row);
        QCOMPARE(cell.Left(), rect.left());
        QCOMPARE(cell.Top(), rect.top());
        QCOMPARE(cell.Right(), rect.right() + 1);
        QCOMPARE(cell.Bottom(), rect.bottom() + 1);
    }

    void addTakesBottomBeforeRight() {
        colPieces board;
        const auto cell = board.Add(1, 2, 3, 4, 5, 6);
        QCOMPARE(cell, board.Item(board.Count()));
        QCOMPARE(cell->Bottom(), 3);
        QCOMPARE(cell->Right(), 4);
        QCOMPARE(cell->Row(), 5);
        QCOMPARE(cell->Col(), 6);
    }

    void lowestSelectedIndexWins() {
        colPieces board;
        BuildStandardBoard(board);
        board.Item(7)->setSelected(true);
        board.Item(3)->setSelected(true);
        board.Item(7)->setColour(2);
        QCOMPARE(board.GetSelectedPieceIndex(), 3);
        QCOMPARE(board.SelectedPieceCount(), 2); // an empty selected cell still counts
        QCOMPARE(board.PopulatedPieceCount(), 1);
    }

    void heldCellOutlivesRemoveAll() {
        colPieces board;
        BuildStandardBoard(board);
        const auto& held = board.Item(42); // even held by reference, it is the caller's share
        held->setColour(5);
        board.RemoveAll();
        QCOMPARE(board.Count(), 0);
        QCOMPARE(held->Colour(), 5);
        QCOMPARE(held->Row(), 2);
        QCOMPARE(held.use_count(), 1);
    }

    void indexingAndRangeForFollowTheCells() {
        colPieces board;
        BuildStandardBoard(board);
        QCOMPARE(board[37], board.Item(37));
        int32_t index = 0;
        for (const auto& cell : board) {
            ++index;
            QCOMPARE(cell, board.Item(index));
        }
        QCOMPARE(index, 100);
    }

    void outOfRangeItemThrows() {
        colPieces board;
        BuildStandardBoard(board);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, board.Item(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, board.Item(101));
    }

    void removeShiftsLaterCells() {
        colPieces board;
        BuildStandardBoard(board);
        const auto third = board.Item(3);
        board.Remove(2);
        QCOMPARE(board.Count(), 99);
        QCOMPARE(board.Item(2), third);
    }

    void pathKeepsItsEntries() {
        clsPath path;
        QCOMPARE(path.Count(), 0);
        QCOMPARE(path.Position(), 0);
        QCOMPARE(path.GetPoint(1), 0);
        QVERIFY(!path.IsInPath(0));
        QVERIFY(!path.IsInPath(5));

        QVERIFY(path.Add(5));
        QVERIFY(path.Add(9));
        QCOMPARE(path.Count(), 2);
        QCOMPARE(path.Position(), 2);
        QCOMPARE(path.GetPoint(1), 5);
        QCOMPARE(path.GetPoint(2), 9);
        QCOMPARE(path.GetPoint(3), 0);
        QCOMPARE(path.GetPoint(0), -1);
        QCOMPARE(path.GetPoint(101), -1);
        QVERIFY(path.IsInPath(9));
        QVERIFY(!path.IsInPath(0));

        path.setPosition(1);
        QCOMPARE(path.Count(), 2);
        QCOMPARE(path.GetPoint(2), 9);
        QVERIFY(path.Add(5)); // repeats are appended again
        QCOMPARE(path.Position(), 3);
        QCOMPARE(path.GetPoint(3), 5);

        path.Clear();
        QCOMPARE(path.Count(), 0);
        QCOMPARE(path.Position(), 0);
        QVERIFY(!path.IsInPath(5));
    }

    void fullPathRefusesMore() {
        clsPath path;
        for (int32_t i = 1; i <= 100; ++i) {
            QVERIFY(path.Add(i));
        }
        QVERIFY(!path.Add(101));
        QCOMPARE(path.Count(), 100);
        QCOMPARE(path.Position(), 100);
        QVERIFY(path.IsInPath(100));
        QVERIFY(!path.IsInPath(101));
        QCOMPARE(path.GetPoint(100), 100);
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
