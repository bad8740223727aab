#include "game/clsGame.h"

#include "app/clsScoreBoard.h"
#include "app/clsSound.h"
#include "board/colPieces.h"
#include "platform/Stored.h"
#include "platform/WindowSurface.h"

clsGame::clsGame(const GameServices& services)
    : mStatistics(services.statistics), mRandom(services.random) {
    mblnSounds = Stored::ReadSwitch(Stored::Key::Sounds);
    mblnShapes = Stored::ReadSwitch(Stored::Key::Shapes);
    mcolPieces = std::make_unique<colPieces>();
    mclsYourScore = std::make_unique<clsScoreBoard>();
    mclsHighScore = std::make_unique<clsScoreBoard>();
    mclsSound = std::make_unique<clsSound>(services.soundPlayer);
}

clsGame::~clsGame() {
    mcolPieces->RemoveAll();
}

void clsGame::setSounds(bool blnSounds) {
    Stored::WriteSwitch(Stored::Key::Sounds, blnSounds);
    mblnSounds = blnSounds;
}

void clsGame::setShapes(bool blnShapes) {
    Stored::WriteSwitch(Stored::Key::Shapes, blnShapes);
    mblnShapes = blnShapes;
}

int32_t clsGame::Score() const {
    return mclsYourScore->Score();
}

// Asked from outside the game (screen readers), so any index may come: off the board, or
// before the first game has built the cells, the answer is an empty cell.
int32_t clsGame::CellColour(int32_t lngIndex) const {
    return lngIndex >= 1 && lngIndex <= mcolPieces->Count() ? mcolPieces->Item(lngIndex)->Colour()
                                                            : -1;
}

bool clsGame::CellSelected(int32_t lngIndex) const {
    return lngIndex >= 1 && lngIndex <= mcolPieces->Count() &&
           mcolPieces->Item(lngIndex)->Selected();
}

int32_t clsGame::BestScore() const {
    return mclsHighScore->Score();
}

void clsGame::PlayIfSoundsOn(const char* strSound) {
    if (mblnSounds) {
        mclsSound->Play(QString::fromLatin1(strSound));
    }
}

void clsGame::Report(const GameHappening& happening) const {
    if (mReporter) {
        mReporter(happening);
    }
}

void clsGame::DoMove(float sngX, float sngY) {
    int32_t pressed = 0;
    int32_t index = 0;
    for (const auto& cell : *mcolPieces) { // cell index 1 upwards
        ++index;
        if (cell->IsSelected(sngX, sngY)) {
            pressed = index;
            break;
        }
    }
    PressCell(pressed);
}

void clsGame::PressCell(int32_t pressed) {
    if (mfrmMain == nullptr) {
        return; // no game has been started on a window yet
    }
    const int32_t n = mcolPieces->SelectedPieceCount();
    if (pressed >= 1 && pressed <= mcolPieces->Count()) {
        if (n == 0) {
            Select(pressed);
        }
        if (n == 1) {
            const int32_t held = mcolPieces->GetSelectedPieceIndex();
            if (mcolPieces->Item(pressed)->Populated()) {
                PutDown(held, pressed);
            } else {
                TryMove(held, pressed);
            }
            // A game that ended during this move may already have been replaced by a new
            // one: draw the pressed cell of the board that is current now.
            if (pressed <= mcolPieces->Count()) {
                mcolPieces->Item(pressed)->Draw(*mfrmMain);
            }
        }
    }
    mfrmMain->Refresh();
}

// With no ball taken up: the ball pressed is taken up; an empty cell changes nothing.
void clsGame::Select(int32_t pressed) {
    clsPiece& cell = *mcolPieces->Item(pressed);
    if (!cell.Populated()) {
        Report({GameHappening::Ignored, pressed, -1});
        return;
    }
    PlayIfSoundsOn("select.wav");
    cell.setSelected(true);
    cell.Draw(*mfrmMain);
    Report({GameHappening::Selected, pressed, cell.Colour()});
}

// With the ball on held taken up, a press on a ball: that one is put down; any other changes
// nothing.
void clsGame::PutDown(int32_t held, int32_t pressed) {
    clsPiece& cell = *mcolPieces->Item(pressed);
    if (cell.Selected()) {
        Report({GameHappening::Deselected, pressed, cell.Colour()});
    } else {
        Report({GameHappening::Ignored, held, mcolPieces->Item(held)->Colour()});
    }
    cell.setSelected(false);
}

// With the ball on from taken up, a press on the empty cell to: the ball goes there if a route
// of empty cells leads there.
void clsGame::TryMove(int32_t from, int32_t to) {
    if (!mcolPieces->FindRoute(from, to)) {
        Report({GameHappening::NoRoute, to});
        return;
    }
    MoveBall(from, to);
}

void clsGame::MoveBall(int32_t from, int32_t to) {
    // Kept to take the move back; what it draws is added as it is drawn.
    mLastMove = MoveMade{Position(), from, {}};
    clsPiece& source = *mcolPieces->Item(from);
    clsPiece& target = *mcolPieces->Item(to);
    Report({GameHappening::Moved, to, source.Colour()});
    target.setColour(source.Colour());
    target.setSelected(false);
    source.setPopulated(false);
    source.setSelected(false);
    source.Draw(*mfrmMain);
    if (!RemoveRuns()) {
        AddNewPieces();
    }
    // A move that filled the board cannot be taken back; a new game that the game-over handler
    // started has forgotten it already.
    if (mblnEndOfGame) {
        mLastMove.reset();
    }
}
