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

// The whole part of a random fraction times n: 0 to n - 1, each equally likely. The fractions
// of a move taken back come again, in order, before any new one, so that taking a move back
// is never a way to draw again. Once a game has started only moves draw, so what is drawn
// while a move is kept belongs to that move.
int32_t clsGame::RandomIndex(int32_t n) {
    double fraction = 0;
    if (mcolReplay.empty()) {
        fraction = mRandom.Rnd();
    } else {
        fraction = mcolReplay.front();
        mcolReplay.pop_front();
    }
    if (mLastMove) {
        mLastMove->draws.push_back(fraction);
    }
    const auto value = static_cast<int32_t>(std::floor(fraction * n));
    return std::clamp(value, 0, n - 1);
}

// What every start does: the board built empty on frm, and nothing to take back.
void clsGame::StartOn(WindowSurface& frm) {
    mfrmMain = &frm;
    mcolPieces->RemoveAll();
    mblnEndOfGame = false;
    mLastMove.reset();
    mcolReplay.clear();
    Report({GameHappening::NewGame});
    for (int32_t col = 1; col <= BOARD_SIDE; ++col) {
        for (int32_t row = 1; row <= BOARD_SIDE; ++row) {
            const RECT cell = CellRect(CellIndex(col, row));
            mcolPieces->Add(cell.left, cell.top, cell.bottom, cell.right, row, col);
        }
    }
}

void clsGame::ShowScores(int32_t lngScore) {
    mclsYourScore->setScore(lngScore);
    mclsHighScore->setScore(clsStatistics::ScoreNumber(mStatistics.GetScore(1)).value_or(0));
}

void clsGame::NewGame(WindowSurface& frm) {
    StartOn(frm);
    PickNextColours();
    AddNewPieces();
    DrawBoard();
    ShowScores(0);
}

void clsGame::PickNextColours() {
    for (int32_t& colour : mlngNextColours) {
        colour = RandomIndex(PIECE_COLOURS);
    }
    DrawNextColours();
    Report({GameHappening::NextColours});
}

void clsGame::AddNewPieces() {
    for (const int32_t colour : mlngNextColours) {
        if (mcolPieces->PopulatedPieceCount() < BOARD_CELLS) {
            // Pick again until an empty cell comes up.
            for (;;) {
                const int32_t index = RandomIndex(BOARD_CELLS) + 1;
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
