#pragma once

#include "board/BoardGeometry.h"
#include "game/GameHappening.h"
#include "platform/Rect.h"

#include <cstdint>
#include <functional>
#include <memory>

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

// One game's state and rules: moves, runs and scoring, new pieces, the end of the game, and
// the painting of the whole game area on the main window's surface.
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
    void DoMove(float sngX, float sngY);
    // The same for the cell pressed, by its cell index, as the keyboard presses it.
    void PressCell(int32_t pressed);
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

    void Select(int32_t pressed);
    void PutDown(int32_t held, int32_t pressed);
    void TryMove(int32_t from, int32_t to);
    void MoveBall(int32_t from, int32_t to);
    void DrawNextColours();
    void DrawBoard();
    bool RemoveRuns();
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
    std::function<void()> mGameOver;
    std::function<void(const GameHappening&)> mReporter;
};
