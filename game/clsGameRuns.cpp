#include "app/clsScoreBoard.h"
#include "board/BoardGeometry.h"
#include "board/clsPath.h"
#include "board/colPieces.h"
#include "game/clsGame.h"

#include <array>

namespace {

constexpr int32_t kRunLength = 5;

// The colour of every cell, by cell index from 1: read once per search.
using Colours = std::array<int32_t, BOARD_CELLS + 1>;

Colours ColoursOf(const colPieces& board) {
    Colours colours{};
    int32_t index = 0;
    for (const auto& cell : board) {
        colours[static_cast<size_t>(++index)] = cell->Colour();
    }
    return colours;
}

// Adds the five cells of a window from start onwards when they hold one colour.
void CollectWindow(const Colours& colours, int32_t start, int32_t step, clsPath& removal) {
    auto colourAt = [&](int32_t index) { return colours[static_cast<size_t>(index)]; };
    const int32_t colour = colourAt(start);
    if (colour < 0) {
        return;
    }
    for (int32_t k = 1; k < kRunLength; ++k) {
        if (colourAt(start + k * step) != colour) {
            return;
        }
    }
    for (int32_t k = 0; k < kRunLength; ++k) {
        const int32_t cell = start + k * step;
        if (!removal.IsInPath(cell)) {
            removal.Add(cell);
        }
    }
}

} // namespace

bool clsGame::RemoveRuns() {
    clsPath removal;
    const Colours board = ColoursOf(*mcolPieces);
    // Only windows that fit on the board are examined, so a run never wraps into the next
    // column or row.
    for (int32_t col = 1; col <= 10; ++col) {
        for (int32_t row = 1; row <= 6; ++row) {
            CollectWindow(board, CellIndex(col, row), 1, removal); // down a column
        }
    }
    for (int32_t row = 1; row <= 10; ++row) {
        for (int32_t col = 1; col <= 6; ++col) {
            CollectWindow(board, CellIndex(col, row), 10, removal); // along a row
        }
    }
    for (int32_t row = 1; row <= 6; ++row) {
        for (int32_t col = 1; col <= 6; ++col) {
            CollectWindow(board, CellIndex(col, row), 11, removal); // down and right
        }
    }
    for (int32_t col = 10; col >= 5; --col) {
        for (int32_t row = 1; row <= 6; ++row) {
            CollectWindow(board, CellIndex(col, row), -9, removal); // down and left
        }
    }
    if (removal.Count() == 0) {
        return false;
    }

    const int32_t points = POINTS_PER_PIECE * removal.Count();
    mclsYourScore->setScore(mclsYourScore->Score() + points);
    for (int32_t n = 1; n <= removal.Count(); ++n) {
        clsPiece& cell = *mcolPieces->Item(removal.GetPoint(n));
        cell.setPopulated(false);
        cell.setSelected(false);
        cell.Draw(*mfrmMain);
    }
    mcolPieces->BuildRoutes();
    Report({GameHappening::Removed, 0, -1, removal.Count(), Score(), points});
    PlayIfSoundsOn("remove.wav");
    return true;
}
