#include "app/clsScoreBoard.h"
#include "app/clsSound.h"
#include "board/colPieces.h"
#include "game/clsGame.h"
#include "platform/RandomSource.h"
#include "platform/WindowSurface.h"
#include "scores/clsStatistics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kCells = 100;

// The whole part of a random fraction times n: 0 to n - 1, each equally likely.
int32_t Draw(RandomSource& random, int32_t n) {
    const auto value = static_cast<int32_t>(std::floor(random.Rnd() * n));
    return std::clamp(value, 0, n - 1);
}

} // namespace

void clsGame::NewGame(WindowSurface& frm) {
    mfrmMain = &frm;
    mcolPieces->RemoveAll();
    mblnEndOfGame = false;
    for (int32_t i = 0; i <= 9; ++i) {
        for (int32_t j = 0; j <= 9; ++j) {
            mcolPieces->Add(i * 34 + 2, j * 34 + 2, j * 34 + 32, i * 34 + 32, j + 1, i + 1);
        }
    }
    PickNextColours();
    AddNewPieces();
    DrawBoard();
    mclsYourScore->setScore(0);
    mclsHighScore->setScore(clsStatistics::ScoreNumber(mStatistics.GetScore(1)));
}

void clsGame::PickNextColours() {
    for (int32_t& colour : mlngNextColours) {
        colour = Draw(mRandom, 7);
    }
    DrawNextColours();
}

void clsGame::AddNewPieces() {
    for (const int32_t colour : mlngNextColours) {
        if (mcolPieces->PopulatedPieceCount() < kCells) {
            // Draw again until an empty cell comes up.
            for (;;) {
                clsPiece& cell = *mcolPieces->Item(Draw(mRandom, kCells) + 1);
                if (!cell.Populated()) {
                    cell.setColour(colour);
                    cell.Draw(*mfrmMain);
                    break;
                }
            }
        }
        if (mcolPieces->PopulatedPieceCount() == kCells) {
            mclsSound->Play(QStringLiteral("end.wav")); // whether or not sounds are on
            mblnEndOfGame = true;
            DrawBoard();
            mfrmMain->Refresh();
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
