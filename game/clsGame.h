#pragma once

#include "board/BoardGeometry.h"
#include "game/GameHappening.h"
#include "game/GamePosition.h"
#include "platform/Rect.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class WindowSurface;
class colPieces;
class clsScoreBoard;
class clsSound;
class clsStatistics;
class RandomSource;
class SoundPlayer;

// What the engine is given by its owner rather than making itself.
struct GameServices {
    clsStatistics& statistics; // read for the best score at each new game
    RandomSource& random;
    SoundPlayer& soundPlayer;
};

// One game's state and rules: moves, runs and scoring, new pieces, the end of the game, taking
// the last move back, and the painting of the whole game area on the main window's surface.
class clsGame {
public:
    static constexpr int32_t POINTS_PER_PIECE = 10; // for each ball of a line removed

    explicit clsGame(const GameServices& services);
    ~clsGame();
    clsGame(const clsGame&) = delete;
    clsGame& operator=(const clsGame&) = delete;

    bool Sounds() const { return mblnSounds; }
    void setSounds(bool blnSounds);
    // Whether the balls carry each colour's glyph; stored like the sound option. Drawing them
    // so is the window's part.
    bool Shapes() const { return mblnShapes; }
    void setShapes(bool blnShapes);
    int32_t Score() const;
    bool EndOfGame() const { return mblnEndOfGame; }
    void NewGame(WindowSurface& frm);
    // Starts on frm as NewGame does, but goes on from the position given, as it stands: nothing
    // is drawn at random, no sound plays, and a line of five on it is left for the next move to
    // remove. A position that is not playable starts a new game instead.
    void ResumeGame(WindowSurface& frm, const GamePosition& position);
    // Whether a game can go on from a position: every cell empty or of a colour, at least one
    // cell free, next colours, and a score a game can reach and still add to.
    static bool IsPlayable(const GamePosition& position);
    // What the board, the next colours and the score hold now; an empty board before the first
    // game.
    GamePosition Position() const;
    void DoMove(float sngX, float sngY);
    // The same for the cell pressed, by its cell index, as the keyboard presses it.
    void PressCell(int32_t pressed);
    // Whether the last move can be taken back: one was made since the game started or the
    // last Undo, and it did not end the game.
    bool CanUndo() const { return mLastMove.has_value(); }
    // Takes the last move back whole, with no sound: the board, the next colours and the score as
    // they were before it, a ball taken up since put down. Making it again brings the same new
    // balls and next colours. Nothing happens when CanUndo() is false.
    void Undo();
    // Paints the whole game area again, as it stands, with the window's current piece images.
    void Repaint();
    // Raised once, synchronously, when the board has filled up; the handler may start a new
    // game before it returns.
    void setGameOverHandler(std::function<void()> GameOver) { mGameOver = std::move(GameOver); }
    // Told of each thing that happens, as it happens.
    void setReporter(std::function<void(const GameHappening&)> reporter) {
        mReporter = std::move(reporter);
    }

    // What the game area shows, for players who use the keyboard or a screen reader: a cell's
    // colour (-1 when empty, or before the first game) and selection, the next colours, and
    // the best score on display.
    int32_t CellColour(int32_t lngIndex) const;
    bool CellSelected(int32_t lngIndex) const;
    NextColourArray NextColours() const { return mlngNextColours; }
    int32_t BestScore() const;

private:
    friend class GameProbe; // tests look inside

    // A move as it can be taken back: the game before it, the cell the ball left, and each
    // fraction drawn during it, in the order drawn.
    struct MoveMade {
        GamePosition before;
        int32_t from = 0;
        std::vector<double> draws;
    };

    void StartOn(WindowSurface& frm);
    void ShowScores(int32_t lngScore);
    void LayOut(const GamePosition& position);
    void Select(int32_t pressed);
    void PutDown(int32_t held, int32_t pressed);
    void TryMove(int32_t from, int32_t to);
    void MoveBall(int32_t from, int32_t to);
    void DrawNextColours();
    void DrawBoard();
    bool RemoveRuns();
    int32_t RandomIndex(int32_t n);
    void PickNextColours();
    void AddNewPieces();
    void PlayIfSoundsOn(const char* strSound);
    void Report(const GameHappening& happening) const;

    clsStatistics& mStatistics;
    RandomSource& mRandom;

    std::unique_ptr<colPieces> mcolPieces;
    std::unique_ptr<clsScoreBoard> mclsYourScore;
    std::unique_ptr<clsScoreBoard> mclsHighScore;
    std::unique_ptr<clsSound> mclsSound;
    RECT mrctNextColours;
    RECT mrctBoard;
    RECT mrctSidePanel;
    bool mblnEndOfGame = false;
    NextColourArray mlngNextColours{};
    WindowSurface* mfrmMain = nullptr;
    bool mblnSounds = true;
    bool mblnShapes = false;
    std::optional<MoveMade> mLastMove;
    std::deque<double> mcolReplay; // the fractions of a move taken back, to be drawn again first
    std::function<void()> mGameOver;
    std::function<void(const GameHappening&)> mReporter;
};
