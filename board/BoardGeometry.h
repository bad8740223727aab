#pragma once

#include "platform/Rect.h"

#include <cstdint>

// Where the cells stand: 10 columns of 10 rows of 30-pixel cells, 34 pixels apart and 2 from
// the board's edge, numbered column by column and top to bottom from 1 to 100.
constexpr int32_t BOARD_CELLS = 100;
constexpr int32_t BOARD_SIDE = 10;

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
    const int32_t left = (CellColumn(lngIndex) - 1) * 34 + 2;
    const int32_t top = (CellRow(lngIndex) - 1) * 34 + 2;
    return RECT{left, top, left + 30, top + 30};
}
