#include "board/colPieces.h"
#include "support/BoardBuilder.h"

#include <QTest>

#include <deque>
#include <random>

namespace {

// A plain breadth-first search over a snapshot of which cells are empty.
bool Reachable(const std::vector<bool>& empty, int32_t from, int32_t to) {
    std::vector<bool> seen(101, false);
    std::deque<int32_t> queue{from};
    seen[static_cast<size_t>(from)] = true;
    while (!queue.empty()) {
        const int32_t i = queue.front();
        queue.pop_front();
        const int32_t col = (i - 1) / 10 + 1;
        const int32_t row = (i - 1) % 10 + 1;
        const std::pair<bool, int32_t> steps[] = {
            {row > 1, i - 1}, {row < 10, i + 1}, {col > 1, i - 10}, {col < 10, i + 10}};
        for (const auto& [onBoard, next] : steps) {
            if (!onBoard || seen[static_cast<size_t>(next)] || !empty[static_cast<size_t>(next)]) {
                continue;
            }
            if (next == to) {
                return true;
            }
            seen[static_cast<size_t>(next)] = true;
            queue.push_back(next);
        }
    }
    return false;
}

} // namespace

class TestRoute : public QObject {
    Q_OBJECT

private slots:
    void linksOfAnEmptyBoard_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("top-left corner") << 1 << -1 << 2 << -1 << 11;
        QTest::newRow("bottom of column 1 does not wrap") << 10 << 9 << -1 << -1 << 20;
        QTest::newRow("top of column 2 does not wrap") << 11 << -1 << 12 << 1 << 21;
        QTest::newRow("middle") << 45 << 44 << 46 << 35 << 55;
        QTest::newRow("bottom-right corner") << 100 << 99 << -1 << 90 << -1;
    }
    void linksOfAnEmptyBoard() {
        QFETCH(int, index);
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(int, left);
        QFETCH(int, right);
        colPieces board;
        BuildStandardBoard(board);
        board.BuildRoutes();
        const clsPiece& cell = *board.Item(index);
        QCOMPARE(cell.AdjacentTop(), top);
        QCOMPARE(cell.AdjacentBottom(), bottom);
        QCOMPARE(cell.AdjacentLeft(), left);
        QCOMPARE(cell.AdjacentRight(), right);
    }

    void linksNeverPointAtPieces() {
        colPieces board;
        BuildStandardBoard(board);
        std::mt19937 random(7);
        for (int32_t i = 1; i <= 100; ++i) {
            if (random() % 2) {
                board.Item(i)->setColour(static_cast<int32_t>(random() % 7));
            }
        }
        board.Item(45)->setColour(1);
        board.Item(44)->setPopulated(false);
        board.BuildRoutes();
        QCOMPARE(board.Item(45)->AdjacentTop(), 44); // a piece links to its empty neighbours
        for (const auto& cell : board.NewEnum()) {
            for (int32_t link : {cell->AdjacentTop(), cell->AdjacentBottom(), cell->AdjacentLeft(),
                                 cell->AdjacentRight()}) {
                if (link != -1) {
                    QVERIFY(!board.Item(link)->Populated());
                }
            }
        }
    }

    void findRoute_data() {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("found");
        const QStringList walled{
            "1.........", //
            "..........", //
            "......222.", //
            "......2.2.", //
            "......222.", //
            "..........", //
            "..........", //
            "..........", //
            "..........", //
            "..........",
        };
        QTest::newRow("neighbour") << walled << CellIndex(1, 1) << CellIndex(2, 1) << true;
        QTest::newRow("far corner") << walled << CellIndex(1, 1) << CellIndex(10, 10) << true;
        QTest::newRow("walled-off pocket") << walled << CellIndex(1, 1) << CellIndex(8, 4) << false;
        QTest::newRow("from the wall into the pocket")
            << walled << CellIndex(8, 3) << CellIndex(8, 4) << true;
        QTest::newRow("target is a piece") << walled << CellIndex(1, 1) << CellIndex(7, 3) << false;

        const QStringList boxedIn{
            "31........", //
            "4.........", //
            "..........", "..........", "..........", "..........",
            "..........", "..........", "..........", "..........",
        };
        QTest::newRow("start without links")
            << boxedIn << CellIndex(1, 1) << CellIndex(2, 2) << false;

        // The only way from the top left to the cell below the wall runs round its far end.
        const QStringList detour{
            "5.........", //
            "111111111.", //
            "..........", //
            ".000000000", //
            "..........", //
            "222222222.", //
            "..........", //
            ".333333333", //
            "..........", //
            "444444444.",
        };
        QTest::newRow("long winding detour")
            << detour << CellIndex(1, 1) << CellIndex(1, 9) << true;
        QTest::newRow("sealed bottom row")
            << detour << CellIndex(1, 1) << CellIndex(10, 10) << true;
    }
    void findRoute() {
        QFETCH(QStringList, layout);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, found);
        colPieces board;
        BuildStandardBoard(board);
        LayOut(board, layout);
        board.BuildRoutes();
        QCOMPARE(board.FindRoute(from, to), found);
    }

    void routesAreASnapshot() {
        colPieces board;
        BuildStandardBoard(board);
        board.Item(1)->setColour(0);
        board.BuildRoutes();
        // Wall the start in without rebuilding: the old links still lead out.
        board.Item(2)->setColour(1);
        board.Item(11)->setColour(1);
        QVERIFY(board.FindRoute(1, 50));
        board.BuildRoutes();
        QVERIFY(!board.FindRoute(1, 50));
    }

    void agreesWithBreadthFirstSearch() {
        std::mt19937 random(20261207);
        colPieces board;
        BuildStandardBoard(board);
        int32_t reachable = 0;
        const int32_t boards = 5000;
        for (int32_t n = 0; n < boards; ++n) {
            const auto density = static_cast<int32_t>(random() % 90);
            std::vector<bool> empty(101, true);
            for (int32_t i = 1; i <= 100; ++i) {
                const bool piece = static_cast<int32_t>(random() % 100) < density;
                empty[static_cast<size_t>(i)] = !piece;
                if (piece) {
                    board.Item(i)->setColour(static_cast<int32_t>(random() % 7));
                } else {
                    board.Item(i)->setPopulated(false);
                }
            }
            board.BuildRoutes();
            const auto from = static_cast<int32_t>(random() % 100) + 1;
            auto to = static_cast<int32_t>(random() % 100) + 1;
            if (to == from) {
                to = to % 100 + 1;
            }
            const bool expected = empty[static_cast<size_t>(to)] && Reachable(empty, from, to);
            reachable += expected;
            if (board.FindRoute(from, to) != expected) {
                QFAIL(
                    qPrintable(QStringLiteral("board %1: from %2 to %3").arg(n).arg(from).arg(to)));
            }
        }
        // Both answers must be well represented for the comparison to mean anything.
        QVERIFY(reachable > boards / 5);
        QVERIFY(reachable < boards * 4 / 5);
    }
};

QTEST_MAIN(TestRoute)
#include "tst_route.moc"
