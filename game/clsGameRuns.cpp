#include "app/clsScoreBoard.h"
#include "board/BoardGeometry.h"
#include "board/clsPath.h"
#include "board/colPieces.h"
#include "game/clsGame.h"

#include <array>

namespace {

constexpr int32_t kRunLength = 5;
// The last row or column a run can start on and still fit on the board.
constexpr int32_t kLastStart = BOARD_SIDE - kRunLength + 1;

// The step between the indexes of neighbouring cells along a line, by columns and rows moved.
constexpr int32_t Step(int32_t across, int32_t down) {
    return CellIndex(1 + across, 1 + down) - CellIndex(1, 1);
}

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
    for (int32_t col = 1; col <= BOARD_SIDE; ++col) {
        for (int32_t row = 1; row <= kLastStart; ++row) {
            CollectWindow(board, CellIndex(col, row), Step(0, 1), removal); // down a column
        }
    }
    for (int32_t row = 1; row <= BOARD_SIDE; ++row) {
        for (int32_t col = 1; col <= kLastStart; ++col) {
            CollectWindow(board, CellIndex(col, row), Step(1, 0), removal); // along a row
        }
    }
    for (int32_t row = 1; row <= kLastStart; ++row) {
        for (int32_t col = 1; col <= kLastStart; ++col) {
            CollectWindow(board, CellIndex(col, row), Step(1, 1), removal); // down and right
        }
    }
    for (int32_t col = BOARD_SIDE; col >= kRunLength; --col) {
        for (int32_t row = 1; row <= kLastStart; ++row) {
            CollectWindow(board, CellIndex(col, row), Step(-1, 1), removal); // down and left
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
