#include "app/clsScoreBoard.h"
#include "app/clsSound.h"
#include "board/BoardGeometry.h"
#include "board/colPieces.h"
#include "game/clsGame.h"
#include "platform/PieceImages.h"
#include "platform/RandomSource.h"
#include "platform/WindowSurface.h"
#include "scores/clsStatistics.h"

#include <algorithm>
#include <cmath>

namespace {

// The whole part of a random fraction times n: 0 to n - 1, each equally likely.
int32_t RandomIndex(RandomSource& random, int32_t n) {
    const auto value = static_cast<int32_t>(std::floor(random.Rnd() * n));
    return std::clamp(value, 0, n - 1);
}

} // namespace

void clsGame::NewGame(WindowSurface& frm) {
    mfrmMain = &frm;
    mcolPieces->RemoveAll();
    mblnEndOfGame = false;
    Report({GameHappening::NewGame});
    for (int32_t col = 1; col <= BOARD_SIDE; ++col) {
        for (int32_t row = 1; row <= BOARD_SIDE; ++row) {
            const RECT cell = CellRect(CellIndex(col, row));
            mcolPieces->Add(cell.left, cell.top, cell.bottom, cell.right, row, col);
        }
    }
    PickNextColours();
    AddNewPieces();
    DrawBoard();
    mclsYourScore->setScore(0);
    mclsHighScore->setScore(clsStatistics::ScoreNumber(mStatistics.GetScore(1)).value_or(0));
}

void clsGame::PickNextColours() {
    for (int32_t& colour : mlngNextColours) {
        colour = RandomIndex(mRandom, PIECE_COLOURS);
    }
    DrawNextColours();
    Report({GameHappening::NextColours});
}

void clsGame::AddNewPieces() {
    for (const int32_t colour : mlngNextColours) {
        if (mcolPieces->PopulatedPieceCount() < BOARD_CELLS) {
            // Pick again until an empty cell comes up.
            for (;;) {
                const int32_t index = RandomIndex(mRandom, BOARD_CELLS) + 1;
                clsPiece& cell = *mcolPieces->Item(index);
                if (!cell.Populated()) {
                    cell.setColour(colour);
                    cell.Draw(*mfrmMain);
                    Report({GameHappening::Added, index, colour});
                    break;
                }
            }
        }
        if (mcolPieces->PopulatedPieceCount() == BOARD_CELLS) {
            mclsSound->Play(QStringLiteral("end.wav")); // whether or not sounds are on
            mblnEndOfGame = true;
            DrawBoard();
            mfrmMain->Refresh();
            Report({GameHappening::GameOver, 0, -1, 0, Score()});
            if (mGameOver) {
                mGameOver();
            }
            break;
        }
    }
    // The handler may have started a new game; the rest of the turn runs on that board.
    PlayIfSoundsOn("add.wav");
    PickNextColours();
    RemoveRuns();
    mcolPieces->BuildRoutes();
}
