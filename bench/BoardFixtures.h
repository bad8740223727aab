#pragma once

#include "board/colPieces.h"

#include <string>
#include <vector>

// Boards for the route search at its worst; '.' is empty, a digit a piece of that colour.
inline void BuildBoard(colPieces& board, const std::vector<std::string>& rows) {
    board.RemoveAll();
    for (int32_t i = 0; i < 10; ++i) {
        for (int32_t j = 0; j < 10; ++j) {
            auto cell = board.Add(i * 34 + 2, j * 34 + 2, j * 34 + 32, i * 34 + 32, j + 1, i + 1);
            const char c = rows[static_cast<size_t>(j)][static_cast<size_t>(i)];
            if (c != '.') {
                cell->setColour(c - '0');
            }
        }
    }
    board.BuildRoutes();
}

// A serpentine: the only route from the top left to row 9 winds through every corridor.
inline const std::vector<std::string> kWindingBoard{
    "5.........", "111111111.", "..........", ".000000000", "..........",
    "222222222.", "..........", ".333333333", "..........", "444444444.",
};

// Nearly empty, with the target sealed in the far corner.
inline const std::vector<std::string> kWalledOffBoard{
    "5.........", "..........", "..........", "..........", "..........",
    "..........", "..........", "..........", "........11", "........1.",
};
