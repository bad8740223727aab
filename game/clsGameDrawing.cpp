#include "app/clsScoreBoard.h"
#include "board/colPieces.h"
#include "game/clsGame.h"
#include "platform/WindowSurface.h"

#include <cmath>

namespace {

constexpr QRgb kBlack = RGB(0, 0, 0);
constexpr QRgb kSidePanel = RGB(218, 240, 240);
constexpr QRgb kGrid = RGB(190, 190, 190);
constexpr int32_t kBoardSize = 340;

// Rounds half to even, the default rounding mode.
int32_t Round(float value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

void FillWithEdge(DeviceContext& dc, RECT& rect, int32_t l, int32_t t, int32_t r, int32_t b,
                  QRgb colour, uint32_t edge) {
    const Brush brush = CreateSolidBrush(colour);
    SetRect(rect, l, t, r, b);
    dc.FillRect(rect, brush);
    dc.DrawEdge(rect, edge, BF_RECT);
}

} // namespace

void clsGame::DrawNextColours() {
    for (int32_t k = 0; k < 3; ++k) {
        const auto colour = mlngNextColours[static_cast<size_t>(k)];
        mfrmMain->hDC().BitBlt(350 + 35 * k, 25, 30, 30, mfrmMain->picPiece(colour), 0, 0, SRCCOPY);
    }
}

void clsGame::Repaint() {
    if (mfrmMain != nullptr) { // nothing to paint before the first game
        DrawBoard();
    }
}

void clsGame::DrawBoard() {
    DeviceContext& dc = mfrmMain->hDC();
    FillWithEdge(dc, mrctBoard, 0, 0, kBoardSize, kBoardSize, kBlack, EDGE_SUNKEN);
    FillWithEdge(dc, mrctSidePanel, 340, 0, 464, kBoardSize, kSidePanel, EDGE_ETCHED);
    FillWithEdge(dc, mrctNextColours, 345, 20, 458, 60, kBlack, EDGE_RAISED);
    DrawNextColours();

    const Pen previous = dc.SelectObject(CreatePen(PS_SOLID, 1, kGrid));
    const float h = mfrmMain->ScaleHeight();
    mclsHighScore->Init(*mfrmMain, 345, Round(h - 20), 458, Round(h));
    mclsYourScore->Init(*mfrmMain, 345, Round(h - 70), 458, Round(h - 50));

    // The horizontal lines go under the cells and the vertical ones over them; the grid lies
    // in the gaps, so the order only matters where the lines cross the board's edge.
    for (int32_t i = 0; i <= 8; ++i) {
        dc.MoveToEx(0, 34 * i + 33);
        dc.LineTo(kBoardSize, 34 * i + 33);
    }
    for (int32_t index = 1; index <= 100; ++index) {
        mcolPieces->Item(index)->Draw(*mfrmMain);
    }
    for (int32_t i = 0; i <= 8; ++i) {
        dc.MoveToEx(34 * i + 33, 0);
        dc.LineTo(34 * i + 33, kBoardSize);
    }
    dc.SelectObject(previous);
    mfrmMain->Refresh();
}
