#pragma once

#include "platform/Rect.h"

#include <cstdint>

class WindowSurface;

// One cell of the board: its place, what stands on it, whether it is selected, and its route
// links to empty neighbours. Giving a cell a colour populates it; emptying it clears the colour.
class clsPiece {
public:
    clsPiece();

    void setCol(int32_t lngCol) { mlngCol = lngCol; }
    int32_t Col() const { return mlngCol; }
    void setRow(int32_t lngRow) { mlngRow = lngRow; }
    int32_t Row() const { return mlngRow; }
    void setAdjacentLeft(int32_t lngVal) { mlngAdjacentLeft = lngVal; }
    int32_t AdjacentLeft() const { return mlngAdjacentLeft; }
    void setAdjacentRight(int32_t lngVal) { mlngAdjacentRight = lngVal; }
    int32_t AdjacentRight() const { return mlngAdjacentRight; }
    void setAdjacentTop(int32_t lngVal) { mlngAdjacentTop = lngVal; }
    int32_t AdjacentTop() const { return mlngAdjacentTop; }
    void setAdjacentBottom(int32_t lngVal) { mlngAdjacentBottom = lngVal; }
    int32_t AdjacentBottom() const { return mlngAdjacentBottom; }
    bool IsSelected(float sngX, float sngY) const;
    void setSelected(bool blnSelected) { mblnSelected = blnSelected; }
    bool Selected() const { return mblnSelected; }
    void setColour(int32_t lngColour);
    int32_t Colour() const { return mlngColour; }
    void setPopulated(bool blnPopulated);
    bool Populated() const { return mblnPopulated; }
    void setLeft(int32_t lngLeft) { mrctPiece.left = lngLeft; }
    int32_t Left() const { return mrctPiece.left; }
    void setTop(int32_t lngTop) { mrctPiece.top = lngTop; }
    int32_t Top() const { return mrctPiece.top; }
    void setBottom(int32_t lngBottom) { mrctPiece.bottom = lngBottom; }
    int32_t Bottom() const { return mrctPiece.bottom; }
    void setRight(int32_t lngRight) { mrctPiece.right = lngRight; }
    int32_t Right() const { return mrctPiece.right; }
    void Draw(WindowSurface& frm) const;

private:
    int32_t mlngCol = 0;
    int32_t mlngRow = 0;
    RECT mrctPiece;
    bool mblnPopulated = false;
    int32_t mlngColour = -1;
    bool mblnSelected = false;
    int32_t mlngAdjacentLeft = -1;
    int32_t mlngAdjacentRight = -1;
    int32_t mlngAdjacentTop = -1;
    int32_t mlngAdjacentBottom = -1;
};
