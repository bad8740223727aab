#pragma once

#include "platform/Rect.h"

#include <cstdint>

class WindowSurface;

// A black box with a sunken edge and a white number centred in it, drawn straight onto a
// window's surface whenever it is placed or its number changes.
class clsScoreBoard {
public:
    void setScore(int32_t lngScore);
    int32_t Score() const { return mlngScore; }
    void Init(WindowSurface& frm, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);

private:
    void DrawScore();

    WindowSurface* mfrmTarget = nullptr;
    RECT mrctBox;
    int32_t mlngScore = 0;
};
