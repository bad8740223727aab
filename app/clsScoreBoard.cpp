#include "app/clsScoreBoard.h"

#include "platform/WindowSurface.h"

#include <QString>

void clsScoreBoard::setScore(int32_t lngScore) {
    mlngScore = lngScore;
    DrawScore();
}

void clsScoreBoard::Init(WindowSurface& frm, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
    mfrmTarget = &frm;
    SetRect(mrctBox, X1, Y1, X2, Y2);
    DrawScore();
}

void clsScoreBoard::DrawScore() {
    if (mfrmTarget == nullptr) {
        return; // not placed yet: nothing to draw on
    }
    DeviceContext& dc = mfrmTarget->hDC();
    const Brush brush = CreateSolidBrush(RGB(0, 0, 0));
    dc.FillRect(mrctBox, brush);
    dc.DrawEdge(mrctBox, EDGE_SUNKEN, BF_RECT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.DrawText(QString::number(mlngScore), mrctBox, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
