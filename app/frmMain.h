#pragma once

#include "game/clsGame.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class GameAnnouncer;
class GameArea;
class QAction;
class QActionGroup;
class QLabel;
class ScreenFollower;
class ZoomChoice;
class clsHelp;
class frmAbout;
class WindowSurface;

// The game's window: it shows the surface the engine paints, hands every press on it to the
// engine, offers the Game and Help menus, and ends the program when it closes.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // The game's services, and the help the Help menu shows.
    struct Services : GameServices {
        clsHelp& help;
    };

    explicit frmMain(const Services& services);
    ~frmMain() override;

    clsGame& Game() { return *gclsGame; }
    WindowSurface& Surface();
    GameArea* Canvas() const;

signals:
    // The window has closed and released its game: time for the program to end.
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class MainSurface;

    void Form_Load();
    void Form_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Form_Unload();
    void mnuGameNew_Click();
    void mnuGameUndo_Click();
    void mnuGameHighScores_Click();
    void mnuGameSound_Click();
    void mnuGameShapes_Click();
    void mnuGameRememberGame_Click();
    void mnuGameExit_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void gclsGame_GameOver();
    // Keeps the game in play for the next start, with Remember Game on, after a move or a new
    // game: once the step has been drawn, and what is left at the close.
    void StoreWhenDrawn();
    void KeepGame();

    void TakeNoInput();
    void CloseBoxes(); // those open over the window, as if each were cancelled
    void CreateMenus();
    template <typename Step> void Busy(Step step);
    template <typename Box> void InBox(Box box);

    Services mServices;
    GameArea* mCanvas;
    std::unique_ptr<MainSurface> mSurface;
    std::unique_ptr<clsGame> gclsGame;
    std::unique_ptr<GameAnnouncer> mAnnouncer;
    QLabel* lblNextMove;
    QLabel* lblYourScore;
    QLabel* lblHighScore;
    QAction* mnuGameNew = nullptr;
    QAction* mnuGameUndo = nullptr;
    QAction* mnuGameHighScores = nullptr;
    QAction* mnuGameSound = nullptr;
    QAction* mnuGameShapes = nullptr;
    QAction* mnuGameRememberGame = nullptr;
    QActionGroup* mZoomSteps = nullptr;
    QAction* mnuGameExit = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QPointer<frmAbout> mfrmAbout;
    ScreenFollower* mFollower = nullptr;
    ZoomChoice* mZoom = nullptr;
    bool mKeepDue = false;    // a move or a new game not yet kept for the next start
    bool mKeepSoon = false;   // to be tried once the step has been drawn
    int mBusy = 0;            // depth of game steps and boxes running, counting re-entered ones
    int mBoxes = 0;           // of which boxes
    bool mCloseAsked = false; // a close that arrived during a step, done when it ends
};
