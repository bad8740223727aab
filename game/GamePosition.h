#pragma once

#include "board/BoardGeometry.h"

#include <array>
#include <cstdint>

// A game as it stands, all a game needs to go on from there: what each cell holds, the next
// colours and the score. Whether one can be played on is clsGame::IsPlayable.
struct GamePosition {
    using CellColours = std::array<int32_t, BOARD_CELLS>;

    // Cell index n at [n - 1]: a colour from 0, or -1 for an empty cell.
    CellColours cells = NoBalls();
    NextColourArray next{};
    int32_t score = 0;

    bool operator==(const GamePosition&) const = default;

    static constexpr CellColours NoBalls() {
        CellColours empty{};
        empty.fill(-1);
        return empty;
    }
};
