#pragma once

#include "app/clsScoreBoard.h"
#include "board/AreaLayout.h"
#include "board/colPieces.h"
#include "game/clsGame.h"
#include "platform/WindowSurface.h"
#include "scores/clsStatistics.h"
#include "support/BoardBuilder.h"
#include "support/Fakes.h"

#include <memory>

// Looks inside an engine: its board, its next colours and its private steps.
class GameProbe {
public:
    explicit GameProbe(clsGame& game) : mGame(game) {}
    colPieces& Board() { return *mGame.mcolPieces; }
    NextColourArray& NextColours() { return mGame.mlngNextColours; }
    bool RemoveRuns() { return mGame.RemoveRuns(); }
    void AddNewPieces() { mGame.AddNewPieces(); }
    void DrawBoard() { mGame.DrawBoard(); }
    int32_t BestScoreShown() const { return mGame.mclsHighScore->Score(); }
    void SetScore(int32_t score) { mGame.mclsYourScore->setScore(score); }

private:
    clsGame& mGame;
};

// An engine on an offscreen surface, with scripted chance, recorded sounds and its own store.
struct GameHarness {
    explicit GameHarness(bool sounds = true, qreal ratio = 1.0) : surface(CLIENT_SURFACE, ratio) {
        if (!sounds) {
            IsolatedSettings::Write(Stored::Key::Sounds, QStringLiteral("off"));
        }
        game = std::make_unique<clsGame>(GameServices{statistics, random, sound});
    }

    // Starts a game, then lays the board out as pictured, with the routes rebuilt.
    void Start(const QStringList& layout = {}) {
        game->NewGame(surface);
        if (!layout.isEmpty()) {
            LayOut(probe().Board(), layout);
            probe().Board().BuildRoutes();
            probe().DrawBoard();
        }
        sound.played.clear();
    }

    GameProbe probe() { return GameProbe(*game); }
    void Press(int32_t col, int32_t row) {
        game->DoMove(static_cast<float>((col - 1) * 34 + 17),
                     static_cast<float>((row - 1) * 34 + 17));
    }
    clsPiece& Cell(int32_t col, int32_t row) { return *probe().Board().Item(CellIndex(col, row)); }

    IsolatedSettings settings;
    clsStatistics statistics;
    ScriptedRandom random;
    RecordingSoundPlayer sound;
    OffscreenSurface surface;
    std::unique_ptr<clsGame> game;
};
