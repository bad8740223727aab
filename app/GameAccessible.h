#pragma once

#include "app/GameArea.h"
#include "board/BoardGeometry.h"
#include "game/GameHappening.h"

#include <QList>

#include <array>
#include <cstdint>

class QAccessibleInterface;

// Lets screen readers see game areas: the board, a group of 10 rows and 10 columns with the
// table's interface, whose cells are named by their place and what they hold ("row 3, column 5,
// red, selected"), with their selected and focused states; the next colours and the two scores,
// each named with what it shows ("Your Score: 50"); and a notification that tells each step of
// the game. Each answer is read from the area and its game when a screen reader asks.
QAccessibleInterface* GameAreaFactory(const QString& className, QObject* object);

// What a game area shows, as read by players who do not see it.
struct GameFacts {
    GameFacts() { colours.fill(-1); }         // every cell empty, until a game says otherwise
    std::array<int32_t, BOARD_CELLS> colours; // by cell index from 1; -1 for an empty cell
    std::array<bool, BOARD_CELLS> selected{};
    NextColourArray next{};
    int32_t score = 0;
    int32_t best = 0;
    int32_t cursor = 1;                          // the cell the keyboard cursor stands on
    GameArea::Part part = GameArea::Part::Board; // the part that has the keyboard

    bool operator==(const GameFacts&) const = default;
};
GameFacts FactsOf(const GameArea& area);

// Tells screen readers what changed in the game area since the last step: balls that moved,
// vanished or arrived, the selection, the scores, the next colours and where the keyboard is;
// and, in a few words said without being asked, what the step did.
class GameAnnouncer {
public:
    explicit GameAnnouncer(GameArea& area);
    // One thing the step did, as the engine tells it.
    void Hear(const GameHappening& happening);
    // The step is over: tells what it changed and what it did.
    void Announce();
    // Tells where the keyboard is, as the area takes the focus.
    void TellFocus();

private:
    GameArea& mArea;
    GameFacts mLast;
    QList<GameHappening> mStep;
};
