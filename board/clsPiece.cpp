#include "board/clsPiece.h"

#include "platform/PieceImages.h"
#include "platform/WindowSurface.h"

#include <cmath>

clsPiece::clsPiece() {
    SetRect(mrctPiece, 0, 0, 0, 0);
}

bool clsPiece::IsSelected(float sngX, float sngY) const {
    // The press position is rounded half to even (the default rounding mode), so 30.5 lands
    // in the cell that ends at 31 and 31.5 falls outside it.
    const auto x = static_cast<int32_t>(std::nearbyint(sngX));
    const auto y = static_cast<int32_t>(std::nearbyint(sngY));
    return PtInRect(mrctPiece, POINT{x, y});
}

void clsPiece::setColour(int32_t lngColour) {
    mlngColour = lngColour;
    mblnPopulated = true;
}

void clsPiece::setPopulated(bool blnPopulated) {
    mblnPopulated = blnPopulated;
    if (!blnPopulated) {
        mlngColour = -1;
    }
}

void clsPiece::Draw(WindowSurface& frm) const {
    if (mblnPopulated) {
        const int32_t image = mlngColour + (mblnSelected ? PIECE_COLOURS : 0);
        frm.hDC().BitBlt(mrctPiece.left, mrctPiece.top, mrctPiece.right - mrctPiece.left,
                         mrctPiece.bottom - mrctPiece.top, frm.picPiece(image), 0, 0, SRCCOPY);
        return;
    }
    const Brush brush = CreateSolidBrush(mblnSelected ? RGB(255, 255, 255) : RGB(0, 0, 0));
    frm.hDC().FillRect(mrctPiece, brush);
}
