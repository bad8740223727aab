#pragma once

#include "board/BoardGeometry.h"
#include "game/GameHappening.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <cstdint>

// The words a screen reader says for the game: a colour, a cell's place, a cell as it is read,
// and a short account of one step of the game.
class GameNarration {
    Q_DECLARE_TR_FUNCTIONS(GameNarration)

public:
    // "red" to "orange" for the colour numbers 0 to 6; anything else is "empty".
    static QString ColourName(int32_t lngColour);
    // "row 3, column 5" for a cell index from 1 to 100.
    static QString Place(int32_t lngIndex);
    // "row 3, column 5, red", with ", selected" when the ball is taken up.
    static QString CellName(int32_t lngIndex, int32_t lngColour, bool blnSelected);
    // "red, blue, green"
    static QString Colours(const NextColourArray& colours);

    // What one step did, in the order it happened, in a few short sentences: a ball taken up or
    // put back (or, for a press that changes nothing, the empty cell or the ball taken up
    // already), where it moved or that no route led there, the balls removed and the score, the
    // new balls and where they landed, a new game, the end of the game and its score, a move
    // taken back and where its ball is back; the next colours come last, once, as they stand
    // after the step. Empty when nothing happened.
    static QString Account(const QList<GameHappening>& step, const NextColourArray& next);
};
