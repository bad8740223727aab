#pragma once

#include "game/GameHappening.h"

#include <QList>

#include <array>
#include <cstdint>
#include <functional>

class GameArea;
class QLabel;

// What the game area shows, as read by players who do not see it.
struct GameFacts {
    GameFacts() { colours.fill(-1); } // every cell empty, until a game says otherwise
    std::array<int32_t, 100> colours; // by cell index from 1; -1 for an empty cell
    std::array<bool, 100> selected{};
    std::array<int32_t, 3> next{};
    int32_t score = 0;
    int32_t best = 0;
    int32_t cursor = 1; // the cell the keyboard cursor stands on
    int32_t part = 0;   // the part of the area that has the keyboard, as GameArea::Part

    bool operator==(const GameFacts&) const = default;
};

// The labels that stand above the preview and the two score displays.
struct GameLabels {
    QLabel* nextMove;
    QLabel* yourScore;
    QLabel* highScore;
};

// Lets screen readers see the game area: the board, a group of 10 rows and 10 columns with the
// table's interface, whose cells are named by their place and what they hold ("row 3, column 5,
// red, selected"), with their selected and focused states; the next colours and the two scores,
// each named with what it shows ("Your Score: 50"); and a notification that tells each step of
// the game. The facts, the cursor and the part that has the keyboard among them, are asked for
// whenever a screen reader looks.
void MakeGameAccessible(GameArea& area, std::function<GameFacts()> facts, const GameLabels& labels);

// Tells screen readers what changed in the game area since the last step: balls that moved,
// vanished or arrived, the selection, the scores, the next colours and where the keyboard is;
// and, in a few words said without being asked, what the step did. The area must have been made
// accessible first.
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
