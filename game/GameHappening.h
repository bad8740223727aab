#pragma once

#include <cstdint>

// One thing a step of the game did, told as it happens, for players who do not see the board.
struct GameHappening {
    enum Kind {
        NewGame,     // the board was cleared for a new game
        Selected,    // a ball was taken up
        Deselected,  // the ball taken up was put back
        Moved,       // the ball taken up went to another cell
        NoRoute,     // no route of empty cells led to the cell pressed
        Ignored,     // a press that changes nothing: on an empty cell with no ball taken up
                     // (the cell), or on another ball while one is (the ball taken up)
        Removed,     // lines of five or more vanished
        Added,       // a new ball arrived
        NextColours, // the next colours were chosen, or brought back with the board
        GameOver,    // the board is full
        Undone,      // the last move was taken back: its ball is back on its cell
    };

    Kind kind;
    int32_t cell = 0;    // the cell pressed, taken up, filled or gone back to
    int32_t colour = -1; // the ball's colour
    int32_t count = 0;   // Removed: how many balls
    int32_t score = 0;   // Removed and GameOver: the score after it
    int32_t points = 0;  // Removed: the points the balls scored
};
