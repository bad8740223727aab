#include "board/clsPiece.h"

#include "platform/PieceImages.h"
#include "platform/WindowSurface.h"

#include <climits>
#include <cmath>

clsPiece::clsPiece() {
    SetRect(mrctPiece, 0, 0, 0, 0);
}

namespace {

// Rounds to the nearest whole number, a half to the even one: adding and taking away 2^23
// leaves the float rounded in the default rounding mode. Anything too large for that, or not
// a number, lies far outside every cell.
int32_t RoundHalfEven(float value) {
    constexpr float kWhole = 0x1p23f;
    if (!(std::fabs(value) < kWhole)) {
        return value > 0 ? INT32_MAX : INT32_MIN;
    }
    const float magic = std::copysign(kWhole, value);
    return static_cast<int32_t>((value + magic) - magic);
}

} // namespace

bool clsPiece::IsSelected(float sngX, float sngY) const {
    // So 30.5 lands in the cell that ends at 31 and 31.5 falls outside it.
    return PtInRect(mrctPiece, POINT{RoundHalfEven(sngX), RoundHalfEven(sngY)});
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
