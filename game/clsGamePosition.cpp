#include "app/clsScoreBoard.h"
#include "board/colPieces.h"
#include "game/clsGame.h"
#include "platform/PieceImages.h"

#include <algorithm>

namespace {

// Far above any score played, and far enough below the 32-bit limit of 2,147,483,647 that
// more than 140,000 moves could be added on top before it overflowed, each clearing the whole
// board (no move scores more than its 100 cells' 1,000 points).
constexpr int32_t kHighestPlayableScore = 2'000'000'000;

bool IsColour(int32_t lngColour) {
    return lngColour >= 0 && lngColour < PIECE_COLOURS;
}

} // namespace

bool clsGame::IsPlayable(const GamePosition& position) {
    const auto& cells = position.cells;
    const auto& next = position.next;
    const bool cellsValid =
        std::all_of(cells.begin(), cells.end(), [](int32_t c) { return c == -1 || IsColour(c); });
    return cellsValid && std::count(cells.begin(), cells.end(), -1) > 0 &&
           std::all_of(next.begin(), next.end(), IsColour) && position.score >= 0 &&
           position.score % POINTS_PER_PIECE == 0 && position.score <= kHighestPlayableScore;
}

GamePosition clsGame::Position() const {
    GamePosition position;
    size_t slot = 0;
    for (const auto& cell : *mcolPieces) { // none before the first game
        position.cells[slot++] = cell->Colour();
    }
    position.next = mlngNextColours;
    position.score = Score();
    return position;
}

// The cells and next colours as the position has them, with no ball taken up.
void clsGame::LayOut(const GamePosition& position) {
    size_t slot = 0;
    for (const auto& cell : *mcolPieces) {
        const int32_t colour = position.cells[slot++];
        if (colour < 0) {
            cell->setPopulated(false);
        } else {
            cell->setColour(colour);
        }
        cell->setSelected(false);
    }
    mlngNextColours = position.next;
    mcolPieces->BuildRoutes();
}

void clsGame::ResumeGame(WindowSurface& frm, const GamePosition& position) {
    if (!IsPlayable(position)) {
        NewGame(frm);
        return;
    }
    StartOn(frm);
    // A line of five is left as it was kept: what the player sees is what was kept, and no
    // points come or go unseen. No step of play leaves one, so only an edited file holds it;
    // the next move removes and scores it, as it removes any line on the board.
    LayOut(position);
    DrawBoard();
    ShowScores(position.score);
    Report({GameHappening::NextColours});
}

void clsGame::Undo() {
    if (!mLastMove) {
        return;
    }
    const MoveMade move = std::move(*mLastMove);
    mLastMove.reset();
    // Ahead of any fractions still waiting from a move taken back before, so that all of them
    // come again in the order they were first drawn.
    mcolReplay.insert(mcolReplay.begin(), move.draws.begin(), move.draws.end());
    LayOut(move.before); // a ball taken up since is put down with the rest
    mclsYourScore->setScore(move.before.score);
    DrawBoard();
    const int32_t colour = move.before.cells[static_cast<size_t>(move.from - 1)];
    Report({GameHappening::Undone, move.from, colour});
    Report({GameHappening::NextColours});
}
