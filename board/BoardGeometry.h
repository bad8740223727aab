#pragma once

#include "platform/PieceImages.h"
#include "platform/Rect.h"

#include <array>
#include <cstdint>

// Where the board's cells stand, in pixels of the window's client area. Drawing, hit testing and
// what screen readers are told all read it from here; the rest of the area is in AreaLayout.h.

// The cells: 10 columns of 10 rows of 30-pixel cells, 34 pixels apart and 2 from the board's
// edge, numbered column by column and top to bottom from 1 to 100.
constexpr int32_t BOARD_CELLS = 100;
constexpr int32_t BOARD_SIDE = 10;
constexpr int32_t CELL_SIZE = PIECE_SIZE; // one piece image
constexpr int32_t CELL_PITCH = 34;
constexpr int32_t CELL_MARGIN = 2;

constexpr bool IsCellIndex(int32_t lngIndex) {
    return lngIndex >= 1 && lngIndex <= BOARD_CELLS;
}
constexpr int32_t CellIndex(int32_t lngCol, int32_t lngRow) {
    return (lngCol - 1) * BOARD_SIDE + lngRow;
}
constexpr int32_t CellColumn(int32_t lngIndex) {
    return (lngIndex - 1) / BOARD_SIDE + 1;
}
constexpr int32_t CellRow(int32_t lngIndex) {
    return (lngIndex - 1) % BOARD_SIDE + 1;
}
constexpr RECT CellRect(int32_t lngIndex) {
    const int32_t left = (CellColumn(lngIndex) - 1) * CELL_PITCH + CELL_MARGIN;
    const int32_t top = (CellRow(lngIndex) - 1) * CELL_PITCH + CELL_MARGIN;
    return RECT{left, top, left + CELL_SIZE, top + CELL_SIZE};
}
// The grid line after the i-th row or column of cells (i from 1 to 9), in the middle of the
// gap, so that it never touches a cell.
constexpr int32_t GridLine(int32_t i) {
    return CELL_PITCH * i - 1;
}

// The board's area, and the three next colours the preview shows.
constexpr RECT BOARD_AREA{0, 0, BOARD_SIDE* CELL_PITCH, BOARD_SIDE* CELL_PITCH};
constexpr int32_t NEXT_COLOURS = 3;
using NextColourArray = std::array<int32_t, NEXT_COLOURS>; // in the order they will be placed
