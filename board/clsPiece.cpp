#include "board/clsPiece.h"

#include "platform/PieceImages.h"
#include "platform/WindowSurface.h"

#include <cmath>
#include <optional>

clsPiece::clsPiece() {
    SetRect(mrctPiece, 0, 0, 0, 0);
}

namespace {

// The whole number nearest to a coordinate, a half going to the even one; nothing for a value
// that is not a number or lies beyond the 32-bit range, which no cell can hold.
std::optional<int32_t> RoundHalfEven(float value) {
    const float rounded = std::nearbyint(value); // the default rounding mode: half to even
    if (!(rounded >= -0x1p31f && rounded < 0x1p31f)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(rounded);
}

} // namespace

bool clsPiece::IsSelected(float sngX, float sngY) const {
    // So 30.5 lands in the cell that ends at 31 and 31.5 falls outside it.
    const std::optional<int32_t> x = RoundHalfEven(sngX);
    const std::optional<int32_t> y = RoundHalfEven(sngY);
    return x && y && PtInRect(mrctPiece, POINT{*x, *y});
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
