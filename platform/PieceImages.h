#pragma once

#include <QImage>

#include <cstdint>

constexpr int32_t PIECE_SIZE = 30;
constexpr int32_t PIECE_COLOURS = 7;
constexpr int32_t PIECE_IMAGES = 2 * PIECE_COLOURS;

// The shaded ball of one piece colour (0 to 6), on black or, for a selected piece, on white;
// PIECE_SIZE logical pixels square, drawn at the given device pixel ratio. With shapes, the
// ball carries its colour's own glyph in the middle, for players who cannot tell the colours
// apart.
QImage DrawPieceImage(int32_t lngColour, bool blnOnWhite, qreal devicePixelRatio = 1.0,
                      bool blnShapes = false);
// Both at once, in the time of one: the ball is the same on either ground.
struct PieceImagePair {
    QImage onBlack;
    QImage onWhite;
};
PieceImagePair DrawPieceImages(int32_t lngColour, qreal devicePixelRatio, bool blnShapes);
