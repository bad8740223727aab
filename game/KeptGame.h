#pragma once

#include "game/GamePosition.h"

#include <QString>

#include <optional>

// The game in play as the settings store keeps it between runs: the board as a colour digit, or
// "-" for an empty cell, for each cell by cell index; the next colours as three digits; and the
// score in decimal. The three are written together, under the store's lock, or not at all.
namespace KeptGame {

struct Text {
    QString board;
    QString next;
    QString score;
};
Text ToText(const GamePosition& position);
// Nothing for a text that holds no game that can be played on: missing, of the wrong length,
// with a character that does not belong, or not playable (a full board, a score that no game
// makes).
std::optional<GamePosition> FromText(const Text& text);

// The game kept, when there is one that can be played on.
std::optional<GamePosition> Read();
bool Write(const GamePosition& position);
bool Forget();

} // namespace KeptGame
