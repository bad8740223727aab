#pragma once

#include "board/BoardGeometry.h"
#include "board/colPieces.h"
#include "platform/PieceImages.h"

#include <QStringList>

#include <initializer_list>
#include <utility>

// A board with no piece on it, to lay a few out on.
inline const QStringList kEmptyBoard(BOARD_SIDE, QString(BOARD_SIDE, QLatin1Char('.')));

// An empty board but for the rows given, by their number from 1.
inline QStringList BoardWith(std::initializer_list<std::pair<int, QString>> rows) {
    QStringList layout = kEmptyBoard;
    for (const auto& [row, text] : rows) {
        layout[row - 1] = text;
    }
    return layout;
}

// Fills a board the way a new game does: column by column, top to bottom.
inline void BuildStandardBoard(colPieces& board) {
    for (int32_t i = 0; i < BOARD_SIDE; ++i) {
        for (int32_t j = 0; j < BOARD_SIDE; ++j) {
            board.Add(i * 34 + 2, j * 34 + 2, j * 34 + 32, i * 34 + 32, j + 1, i + 1);
        }
    }
}

// Sets the cells from a picture of the board: ten rows of ten characters, '.' for an empty
// cell and a digit for a piece of that colour.
inline void LayOut(colPieces& board, const QStringList& rows) {
    for (int32_t row = 1; row <= BOARD_SIDE; ++row) {
        for (int32_t col = 1; col <= BOARD_SIDE; ++col) {
            const QChar c = rows.at(row - 1).at(col - 1);
            clsPiece& cell = *board.Item(CellIndex(col, row));
            if (c == QLatin1Char('.')) {
                cell.setPopulated(false);
            } else {
                cell.setColour(c.digitValue());
            }
        }
    }
}

// A full board on which no two neighbours in any line share a colour, so no run can form;
// cells from emptyFromIndex on are left empty.
inline QStringList RunFree(int32_t emptyFromIndex = 101) {
    QStringList rows;
    for (int32_t row = 1; row <= BOARD_SIDE; ++row) {
        QString line;
        for (int32_t col = 1; col <= BOARD_SIDE; ++col) {
            const bool empty = CellIndex(col, row) >= emptyFromIndex;
            line += empty ? QLatin1Char('.')
                          : QChar(QLatin1Char('0' + (col + 2 * row) % PIECE_COLOURS));
        }
        rows << line;
    }
    return rows;
}
