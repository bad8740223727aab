#include "GameFixtures.h"
#include "support/GameProbe.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

void MeasureMove(benchmark::State& state, const QStringList& layout, int32_t piecesAfter) {
    GameHarness h(false);
    for (auto _ : state) {
        state.PauseTiming();
        h.Start(layout);
        h.probe().NextColours() = {6, 6, 6};
        h.Press(10, 10);
        state.ResumeTiming();
        h.Press(3, 5);
    }
    if (h.probe().Board().PopulatedPieceCount() != piecesAfter) {
        state.SkipWithError("the move did not do what this benchmark measures");
    }
}

} // namespace

static void BM_Press_MoveRemovingCrossingRuns(benchmark::State& state) {
    MeasureMove(state, kCrossing, 43 - 9);
}
BENCHMARK(BM_Press_MoveRemovingCrossingRuns)->Unit(benchmark::kMicrosecond);

static void BM_Press_MoveFollowedByNewPieces(benchmark::State& state) {
    MeasureMove(state, NoRun(), 43 + 3);
}
BENCHMARK(BM_Press_MoveFollowedByNewPieces)->Unit(benchmark::kMicrosecond);

static void BM_NewGame(benchmark::State& state) {
    GameHarness h(false);
    for (auto _ : state) {
        h.game->NewGame(h.surface);
    }
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMicrosecond);

// A simple random player: selects a random piece, presses a random empty cell, and takes the
// selection back when the piece cannot get there.
static void BM_RandomGames(benchmark::State& state) {
    GameHarness h(false);
    std::mt19937 chance(2026);
    std::vector<int32_t> pieces;
    std::vector<int32_t> empties;
    int64_t games = 0;
    for (auto _ : state) {
        h.game->NewGame(h.surface);
        colPieces& board = h.probe().Board();
        while (!h.game->EndOfGame()) {
            pieces.clear();
            empties.clear();
            for (int32_t i = 1; i <= 100; ++i) {
                (board.Item(i)->Populated() ? pieces : empties).push_back(i);
            }
            const clsPiece& from = *board.Item(pieces[chance() % pieces.size()]);
            const clsPiece& to = *board.Item(empties[chance() % empties.size()]);
            h.game->DoMove(static_cast<float>(from.Left() + 15),
                           static_cast<float>(from.Top() + 15));
            h.game->DoMove(static_cast<float>(to.Left() + 15), static_cast<float>(to.Top() + 15));
            if (board.SelectedPieceCount() != 0) {
                h.game->DoMove(static_cast<float>(from.Left() + 15),
                               static_cast<float>(from.Top() + 15));
            }
        }
        ++games;
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomGames)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
