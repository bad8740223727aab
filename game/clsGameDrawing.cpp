#include "app/clsScoreBoard.h"
#include "board/AreaLayout.h"
#include "board/colPieces.h"
#include "game/clsGame.h"
#include "platform/WindowSurface.h"

namespace {

constexpr QRgb kBlack = RGB(0, 0, 0);
constexpr QRgb kSidePanel = RGB(218, 240, 240);
constexpr QRgb kGrid = RGB(190, 190, 190);
void FillWithEdge(DeviceContext& dc, RECT& rect, const RECT& place, QRgb colour, uint32_t edge) {
    const Brush brush = CreateSolidBrush(colour);
    SetRect(rect, place.left, place.top, place.right, place.bottom);
    dc.FillRect(rect, brush);
    dc.DrawEdge(rect, edge, BF_RECT);
}

} // namespace

void clsGame::DrawNextColours() {
    for (int32_t k = 0; k < NEXT_COLOURS; ++k) {
        const auto colour = mlngNextColours[static_cast<size_t>(k)];
        const POINT at = NextColourAt(k);
        mfrmMain->hDC().BitBlt(at.x, at.y, CELL_SIZE, CELL_SIZE, mfrmMain->picPiece(colour), 0, 0,
                               SRCCOPY);
    }
}

void clsGame::Repaint() {
    if (mfrmMain != nullptr) { // nothing to paint before the first game
        DrawBoard();
    }
}

void clsGame::DrawBoard() {
    DeviceContext& dc = mfrmMain->hDC();
    FillWithEdge(dc, mrctBoard, BOARD_AREA, kBlack, EDGE_SUNKEN);
    FillWithEdge(dc, mrctSidePanel, SIDE_PANEL, kSidePanel, EDGE_ETCHED);
    FillWithEdge(dc, mrctNextColours, PREVIEW_BOX, kBlack, EDGE_RAISED);
    DrawNextColours();

    const Pen previous = dc.SelectObject(CreatePen(PS_SOLID, 1, kGrid));
    const float h = mfrmMain->ScaleHeight();
    const RECT best = ScoreBox(true, h);
    const RECT yours = ScoreBox(false, h);
    mclsHighScore->Init(*mfrmMain, best.left, best.top, best.right, best.bottom);
    mclsYourScore->Init(*mfrmMain, yours.left, yours.top, yours.right, yours.bottom);

    // The horizontal lines go under the cells and the vertical ones over them; the grid lies
    // in the gaps, so the order only matters where the lines cross the board's edge.
    for (int32_t i = 1; i < BOARD_SIDE; ++i) {
        dc.MoveToEx(BOARD_AREA.left, GridLine(i));
        dc.LineTo(BOARD_AREA.right, GridLine(i));
    }
    for (int32_t index = 1; index <= BOARD_CELLS; ++index) {
        mcolPieces->Item(index)->Draw(*mfrmMain);
    }
    for (int32_t i = 1; i < BOARD_SIDE; ++i) {
        dc.MoveToEx(GridLine(i), BOARD_AREA.top);
        dc.LineTo(GridLine(i), BOARD_AREA.bottom);
    }
    dc.SelectObject(previous);
    mfrmMain->Refresh();
}
