#pragma once

#include "app/GameArea.h"

#include <functional>

class QAccessibleEvent;

// Lets screen readers see the game area: the board as a table of 10 rows and 10 columns whose
// cells are named by their place and what they hold ("row 3, column 5, red"), with their
// selected and focused states, the two scores with their numbers, and the next colours.
void InstallGameAccessibility();

// Tells screen readers what changed in the game area since it last looked: balls that moved,
// vanished or arrived, the selection, the scores, the next colours and the keyboard cursor.
class GameAnnouncer {
public:
    explicit GameAnnouncer(GameArea& area) : mArea(area), mLast(area.Facts()) {}
    void Announce();

    // Receives every event in place of the screen readers while set; for tests. Pass nothing
    // to reset.
    static void setEventSink(std::function<void(QAccessibleEvent*)> sink);

private:
    GameArea& mArea;
    GameFacts mLast;
};
