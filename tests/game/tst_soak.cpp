#include "support/GameProbe.h"

#include <QTest>

#include <random>

namespace {

// Checks the board against its own rules, independently of the engine's code.
QString BoardFault(colPieces& board) {
    // The board's own cells, without taking a share of each: this runs after every press.
    const colPieces::Cells& cells = board.NewEnum();
    auto at = [&](int32_t col, int32_t row) -> const clsPiece& {
        return *cells.at(static_cast<size_t>(CellIndex(col, row) - 1));
    };
    const int32_t selected = board.GetSelectedPieceIndex();
    if (board.SelectedPieceCount() > 1) {
        return QStringLiteral("more than one piece selected");
    }
    if (selected != 0 && !board.Item(selected)->Populated()) {
        return QStringLiteral("an empty cell is selected");
    }
    const int32_t directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {-1, 1}};
    for (int32_t col = 1; col <= 10; ++col) {
        for (int32_t row = 1; row <= 10; ++row) {
            for (const auto& d : directions) {
                const int32_t endCol = col + 4 * d[0];
                const int32_t endRow = row + 4 * d[1];
                if (endCol < 1 || endCol > 10 || endRow > 10) {
                    continue;
                }
                const int32_t colour = at(col, row).Colour();
                bool run = colour >= 0;
                for (int32_t k = 1; k < 5 && run; ++k) {
                    run = at(col + k * d[0], row + k * d[1]).Colour() == colour;
                }
                if (run) {
                    return QStringLiteral("a run of five is left at %1,%2").arg(col).arg(row);
                }
            }
            const clsPiece& cell = at(col, row);
            auto expected = [&](int32_t c, int32_t r) {
                const bool onBoard = c >= 1 && c <= 10 && r >= 1 && r <= 10;
                return onBoard && !at(c, r).Populated() ? CellIndex(c, r) : -1;
            };
            if (cell.AdjacentTop() != expected(col, row - 1) ||
                cell.AdjacentBottom() != expected(col, row + 1) ||
                cell.AdjacentLeft() != expected(col - 1, row) ||
                cell.AdjacentRight() != expected(col + 1, row)) {
                return QStringLiteral("stale route links at %1,%2").arg(col).arg(row);
            }
        }
    }
    return {};
}

// A random player: mostly presses on pieces and on empty cells, now and then on its own
// selection (to take it back) or anywhere at all, gaps and side panel included.
std::pair<float, float> NextPress(colPieces& board, std::mt19937& chance) {
    const uint32_t kind = chance() % 10;
    if (kind < 2) {
        return {static_cast<float>(chance() % 4640) / 10.0f,
                static_cast<float>(chance() % 3400) / 10.0f};
    }
    std::vector<int32_t> candidates;
    int32_t i = 0;
    for (const auto& slot : board) {
        ++i;
        const clsPiece& cell = *slot;
        const bool wanted = kind == 2 ? cell.Selected() : (kind < 7) == cell.Populated();
        if (wanted) {
            candidates.push_back(i);
        }
    }
    if (candidates.empty()) {
        return {0.0f, 0.0f};
    }
    const clsPiece& cell = *board.Item(candidates[chance() % candidates.size()]);
    return {static_cast<float>(cell.Left() + static_cast<int32_t>(chance() % 30)),
            static_cast<float>(cell.Top() + static_cast<int32_t>(chance() % 30))};
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomGamesKeepTheRules() {
        const int32_t games = qEnvironmentVariableIntValue("ORBET_SOAK_GAMES") > 0
                                  ? qEnvironmentVariableIntValue("ORBET_SOAK_GAMES")
                                  : 2000;
        std::mt19937 chance(12345);
        GameHarness h(false);
        int32_t endings = 0;
        int32_t removals = 0;
        h.game->setGameOverHandler([&] {
            ++endings;
            QCOMPARE(h.probe().Board().PopulatedPieceCount(), 100);
            QVERIFY(h.game->EndOfGame());
        });

        for (int32_t game = 0; game < games; ++game) {
            h.game->NewGame(h.surface);
            const int32_t endingsBefore = endings;
            int32_t score = 0;
            int32_t presses = 0;
            while (!h.game->EndOfGame()) {
                QVERIFY2(++presses < 100000, "a game that never ends");
                const auto [x, y] = NextPress(h.probe().Board(), chance);
                const GamePosition before = h.game->Position();
                h.game->DoMove(x, y);

                const int32_t gained = h.game->Score() - score;
                QVERIFY(gained >= 0 && gained % 10 == 0);
                removals += gained > 0;
                if (h.game->Position() != before && h.game->CanUndo() && chance() % 8 == 0) {
                    h.game->Undo(); // only a move changes the position: now and then it is undone
                    QCOMPARE(h.game->Position(), before);
                }
                score = h.game->Score();
                if (!h.game->EndOfGame()) {
                    QVERIFY(h.probe().Board().PopulatedPieceCount() < 100);
                    const QString fault = BoardFault(h.probe().Board());
                    QVERIFY2(fault.isEmpty(), qPrintable(fault));
                }
            }
            QCOMPARE(endings, endingsBefore + 1);
            QVERIFY(!h.game->CanUndo()); // a move that ends the game cannot be taken back
        }
        if (games >= 100) { // about one game in twelve of random play clears a line
            QVERIFY2(removals > 0, "the random player should complete a run now and then");
        }
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
