#pragma once

#include <QStringList>

// Boards for measuring a whole turn, as pictures: '.' is empty, a digit a piece of that colour.
inline QStringList Rows(std::initializer_list<const char*> rows) {
    QStringList list;
    for (const char* row : rows) {
        list << QString::fromLatin1(row);
    }
    return list;
}

// A crowded board where moving the piece from the bottom-right corner into the gap at column
// 3, row 5 completes a row and a diagonal of five that cross there: nine pieces go.
inline const QStringList kCrossing = Rows({
    "01345601..",
    "13..5613..",
    "2.........",
    "52.5.64...",
    "22.22.0...",
    "140203....",
    "3..4241...",
    "..6.0.....",
    "46...15...",
    ".........2",
});

// The same move with a piece of another colour completes nothing, so three new pieces follow.
inline QStringList NoRun() {
    QStringList rows = kCrossing;
    rows[9] = QStringLiteral(".........6");
    return rows;
}
