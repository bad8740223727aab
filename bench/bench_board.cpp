#include "BoardFixtures.h"
#include "board/AreaLayout.h"
#include "platform/WindowSurface.h"

#include <benchmark/benchmark.h>

static void BM_FindRoute_LongWindingRoute(benchmark::State& state) {
    colPieces board;
    BuildBoard(board, kWindingBoard);
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.FindRoute(1, 9));
    }
}
BENCHMARK(BM_FindRoute_LongWindingRoute);

static void BM_FindRoute_WalledOffTarget(benchmark::State& state) {
    colPieces board;
    BuildBoard(board, kWalledOffBoard);
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.FindRoute(1, 100));
    }
}
BENCHMARK(BM_FindRoute_WalledOffTarget);

static void BM_BuildRoutes(benchmark::State& state) {
    colPieces board;
    BuildBoard(board, kWindingBoard);
    for (auto _ : state) {
        board.BuildRoutes();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildRoutes);

static void BM_DrawCell(benchmark::State& state) {
    OffscreenSurface surface{CLIENT_SURFACE};
    colPieces board;
    BuildBoard(board, kWindingBoard);
    const bool populated = state.range(0) != 0;
    clsPiece& cell = *board.Item(populated ? 12 : 11);
    for (auto _ : state) {
        cell.Draw(surface);
    }
    state.SetLabel(populated ? "piece image" : "empty fill");
}
BENCHMARK(BM_DrawCell)->Arg(1)->Arg(0);
