#include "app/frmMain.h"

#include "app/GameAccessible.h"
#include "app/GameArea.h"
#include "app/ScreenFollower.h"
#include "app/TitleBar.h"
#include "app/ZoomChoice.h"
#include "app/clsHelp.h"
#include "app/frmAbout.h"
#include "board/AreaLayout.h"
#include "game/KeptGame.h"
#include "game/clsGame.h"
#include "platform/App.h"
#include "platform/EndRequest.h"
#include "platform/MessageBox.h"
#include "platform/NativeWindow.h"
#include "platform/ScreenWatch.h"
#include "platform/Stored.h"
#include "platform/WindowSurface.h"
#include "scores/clsStatistics.h"
#include "scores/frmNameInput.h"
#include "scores/frmStatistics.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

#include <optional>
#include <utility>

class frmMain::MainSurface : public WindowSurface {
public:
    MainSurface(GameArea& canvas, qreal ratio)
        : WindowSurface(CLIENT_SURFACE, ratio), mCanvas(canvas) {}
    void Refresh() override { mCanvas.ShowDrawn(hDC().TakeDrawn()); }

private:
    GameArea& mCanvas;
};

frmMain::frmMain(const Services& services)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint),
      mServices(services), mCanvas(new GameArea(this)),
      mSurface(std::make_unique<MainSurface>(*mCanvas, devicePixelRatioF())),
      lblNextMove(new QLabel(tr("Next Move:"), mCanvas)),
      lblYourScore(new QLabel(tr("Your Score:"), mCanvas)),
      lblHighScore(new QLabel(tr("High Score:"), mCanvas)) {
    setCentralWidget(mCanvas);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    mCanvas->setSurface(&mSurface->Image());
    mCanvas->setLabels(lblNextMove, lblYourScore, lblHighScore);
    connect(mCanvas, &GameArea::MouseDown, this, &frmMain::Form_MouseDown);
    connect(mCanvas, &GameArea::CellPressed, this,
            [this](int32_t cell) { Busy([&] { gclsGame->PressCell(cell); }); });
    mCanvas->setFocus();
    setWindowIcon(App::Icon());
    for (QLabel* label : {lblNextMove, lblYourScore, lblHighScore}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(palette);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    CreateMenus();
    mFollower = new ScreenFollower(*this, *mCanvas, *mSurface, [this] {
        if (gclsGame != nullptr) {
            gclsGame->Repaint();
        }
    });
    connect(mCanvas, &GameArea::DevicePixelRatioChanged, mFollower,
            &ScreenFollower::MatchDevicePixelRatio);
    mZoom = new ZoomChoice(*this, *mCanvas, *mFollower, *mZoomSteps);
    // After the step has been drawn: the store's lock and a rewrite never hold up a press.
    connect(mCanvas, &GameArea::Painted, this, &frmMain::StoreWhenDrawn, Qt::QueuedConnection);
    // The zoom first, as the new screen leaves room for it, then the rest at that zoom.
    WhenScreenMayChange(*this, [this] {
        mZoom->Fit();
        mFollower->Follow();
    });
    WhenNativeWindowLost(*this, [this] { close(); });
    UseOwnTitleBarWhereQtDrawsOne(*this);
    Form_Load();
    mAnnouncer = std::make_unique<GameAnnouncer>(*mCanvas);
    gclsGame->setReporter([this](const GameHappening& happening) {
        mAnnouncer->Hear(happening);
        // What is kept for the next start: a move taken back stays made there, so that closing
        // and starting again never draws its new balls anew.
        mKeepDue |=
            happening.kind == GameHappening::Moved || happening.kind == GameHappening::NewGame;
    });
    connect(mCanvas, &GameArea::FocusedIn, this, [this] { mAnnouncer->TellFocus(); });
    connect(mCanvas, &GameArea::KeyboardMoved, this, [this] { mAnnouncer->Announce(); });
    // Only once the window is whole: a signal that came earlier would find no game to close.
    WhenAskedToEnd(*this, [this] { close(); });
}

frmMain::~frmMain() {
    mCanvas->setGame(nullptr); // the area outlives the game, a little
}

WindowSurface& frmMain::Surface() {
    return *mSurface;
}

GameArea* frmMain::Canvas() const {
    return mCanvas;
}

void frmMain::CreateMenus() {
    QMenu* mnuGame = menuBar()->addMenu(tr("&Game"));
    mnuGameNew = mnuGame->addAction(tr("&New"), this, &frmMain::mnuGameNew_Click);
    mnuGameNew->setShortcut(Qt::Key_F2);
    mnuGameUndo = mnuGame->addAction(tr("&Undo"), this, &frmMain::mnuGameUndo_Click);
    mnuGameUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuGameUndo->setAutoRepeat(false); // held down, it takes one move back, as a click would
    mnuGameHighScores =
        mnuGame->addAction(tr("&High Scores"), this, &frmMain::mnuGameHighScores_Click);
    mnuGameHighScores->setShortcut(Qt::Key_F4);
    mnuGame->addSeparator();
    mnuGameSound = mnuGame->addAction(tr("&Sound"), this, &frmMain::mnuGameSound_Click);
    mnuGameSound->setCheckable(true);
    mnuGameShapes = mnuGame->addAction(tr("Sh&apes"), this, &frmMain::mnuGameShapes_Click);
    mnuGameShapes->setCheckable(true);
    mnuGameRememberGame =
        mnuGame->addAction(tr("Re&member Game"), this, &frmMain::mnuGameRememberGame_Click);
    mnuGameRememberGame->setCheckable(true);
    QMenu* mnuGameZoom = mnuGame->addMenu(tr("&Zoom"));
    mZoomSteps = new QActionGroup(this);
    for (const int32_t step : Zoom::STEPS) {
        QAction* entry = mnuGameZoom->addAction(tr("%1%").arg(step));
        entry->setCheckable(true);
        entry->setData(step);
        mZoomSteps->addAction(entry);
    }
    mnuGame->addSeparator();
    mnuGameExit = mnuGame->addAction(tr("E&xit"), this, &frmMain::mnuGameExit_Click);

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelpContents = mnuHelp->addAction(tr("&Contents"), this, &frmMain::mnuHelpContents_Click);
    mnuHelpContents->setShortcut(Qt::Key_F1);
    mnuHelp->addSeparator();
    mnuHelpAbout = mnuHelp->addAction(tr("&About"), this, &frmMain::mnuHelpAbout_Click);

    // Esc out of a menu leaves the menu bar holding the keys, where the next arrows and Enter
    // would open a menu again and could choose Exit: they go back to the board instead.
    for (QMenu* menu : {mnuGame, mnuHelp}) {
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (QApplication::activePopupWidget() == nullptr && menuBar()->hasFocus()) {
                    mCanvas->setFocus(Qt::OtherFocusReason);
                }
            });
        });
    }
}

// Runs one step of the game, or a box, keeping count so that a close arriving meanwhile (while a
// sound lets window events through, or from inside a box's own event loop) waits until neither
// the engine nor a box is on the stack.
template <typename Step> void frmMain::Busy(Step step) {
    ++mBusy;
    step();
    if (mAnnouncer != nullptr && gclsGame != nullptr) {
        mAnnouncer->Announce();
    }
    if (gclsGame != nullptr && isEnabled()) { // not once the window has begun to close
        mnuGameUndo->setEnabled(gclsGame->CanUndo());
        if (mKeepDue) {
            mKeepSoon = true;
            // Also where nothing is drawn, a minimised window's say.
            QTimer::singleShot(250, this, &frmMain::StoreWhenDrawn);
        }
    }
    if (--mBusy == 0 && mCloseAsked) {
        mCloseAsked = false;
        close();
    }
}

// A box open over the window: busy, but with no step of the game in the middle of its work.
template <typename Box> void frmMain::InBox(Box box) {
    ++mBoxes;
    Busy(box);
    --mBoxes;
}

void frmMain::Form_Load() {
    gclsGame = std::make_unique<clsGame>(mServices);
    mCanvas->setGame(gclsGame.get());
    gclsGame->setGameOverHandler([this] { gclsGame_GameOver(); });
    mSurface->setShapes(gclsGame->Shapes());
    setWindowTitle(App::Title());
    mnuGameRememberGame->setChecked(Stored::ReadSwitch(Stored::Key::RememberGame));
    const std::optional<GamePosition> kept =
        mnuGameRememberGame->isChecked() ? KeptGame::Read() : std::nullopt;
    Busy([&] { kept ? gclsGame->ResumeGame(*mSurface, *kept) : gclsGame->NewGame(*mSurface); });
    mKeepDue = !kept; // a new game, to be kept once the option is on
    mnuGameSound->setChecked(gclsGame->Sounds());
    mnuGameShapes->setChecked(gclsGame->Shapes());
    mCanvas->PlaceLabels();
    mZoom->Fit();
}

void frmMain::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float X, float Y) {
    if (gclsGame->EndOfGame()) {
        return;
    }
    Busy([&] { gclsGame->DoMove(X, Y); });
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (gclsGame == nullptr) { // closed already: a second close queued behind the first
        event->accept();
        return;
    }
    if (mBusy > 0) {
        // On Wayland a close reaches the window even while a box is open over it. The boxes go
        // as if cancelled, and nothing new starts; the window closes once the step has ended.
        mCloseAsked = true;
        TakeNoInput();
        CloseBoxes();
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

// Input the window system had queued behind the close (a menu choice, a press, a key, a screen
// reader's action) still arrives: the window and its actions stop taking any before the game
// goes, so that no handler finds it gone.
void frmMain::TakeNoInput() {
    setEnabled(false);
    for (QAction* action : findChildren<QAction*>()) {
        action->setEnabled(false);
    }
}

void frmMain::CloseBoxes() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QDialog*>(window);
        QWidget* owner = box != nullptr ? box->parentWidget() : nullptr;
        while (owner != nullptr && owner != this) {
            owner = owner->parentWidget();
        }
        if (owner == this && box->isVisible()) {
            box->reject();
        }
    }
}

void frmMain::Form_Unload() {
    mKeepSoon = true; // what is not yet stored, or was refused when last tried
    StoreWhenDrawn();
    mZoom->Store();
    TakeNoInput();
    mCanvas->setGame(nullptr);
    gclsGame.reset();
    emit Unloaded();
}

void frmMain::mnuGameNew_Click() {
    Busy([this] { gclsGame->NewGame(*mSurface); });
}

void frmMain::mnuGameUndo_Click() {
    Busy([this] { gclsGame->Undo(); });
}

void frmMain::mnuGameHighScores_Click() {
    InBox([this] {
        frmStatistics window(mServices.statistics, this);
        window.exec();
    });
}

void frmMain::mnuGameSound_Click() {
    // The action has already toggled its check mark.
    gclsGame->setSounds(mnuGameSound->isChecked());
}

void frmMain::mnuGameShapes_Click() {
    // The action has already toggled its check mark. The option holds for this session even
    // when it cannot be stored.
    gclsGame->setShapes(mnuGameShapes->isChecked());
    mSurface->setShapes(gclsGame->Shapes());
    gclsGame->Repaint();
}

void frmMain::mnuGameRememberGame_Click() {
    // The action has already toggled its check mark. Kept from now on, or forgotten at once.
    const bool remember = mnuGameRememberGame->isChecked();
    Stored::WriteSwitch(Stored::Key::RememberGame, remember);
    mKeepDue = remember;
    if (remember) {
        KeepGame();
    } else {
        KeptGame::Forget();
    }
}

void frmMain::StoreWhenDrawn() {
    // The game once a step, however often it is drawn: a store held by another game is not
    // waited for again and again.
    if (std::exchange(mKeepSoon, false)) {
        KeepGame();
    }
}

void frmMain::KeepGame() {
    // A sound lets a paint, a timer or a menu entry through in the middle of a step, whose
    // position is not yet one to keep: the step's own end asks again.
    if (mBusy > mBoxes) {
        return;
    }
    if (mKeepDue && gclsGame != nullptr && mnuGameRememberGame->isChecked() &&
        KeptGame::Write(gclsGame->Position())) {
        mKeepDue = false;
    }
}

void frmMain::mnuGameExit_Click() {
    close();
}

void frmMain::mnuHelpContents_Click() {
    mServices.help.DisplayHelp(this, QString());
}

void frmMain::mnuHelpAbout_Click() {
    if (mfrmAbout.isNull()) {
        mfrmAbout = new frmAbout(this);
    }
    InBox([this] { mfrmAbout->exec(); });
}

void frmMain::gclsGame_GameOver() {
    mAnnouncer->Announce(); // the last move and the end are told before any box opens
    const int32_t score = gclsGame->Score();
    const int32_t rank = mServices.statistics.RankOf(score);
    if (mCloseAsked) {
        // The window is closing: no box opens now.
    } else if (rank == 0 || score <= 0) {
        MsgBox(this, tr("Game Over."), MB_ICONINFORMATION, tr("GAME OVER"));
    } else {
        const QString text = tr("You have achieved a high score that places you at position %1\r\n"
                                "in the High Score table.\r\n\r\n"
                                "Do you wish to add your name to the High Score table?")
                                 .arg(rank);
        if (MsgBox(this, text, MB_ICONQUESTION | MB_YESNO, tr("HIGH SCORE")) == IDYES &&
            !mCloseAsked) {
            frmNameInput dialog(mServices.statistics, this);
            dialog.setTag(QString::number(gclsGame->Score()));
            dialog.exec();
        }
    }
    gclsGame->NewGame(*mSurface);
}
