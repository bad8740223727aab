#include "platform/WindowSurface.h"

#include "platform/PieceImages.h"

#include <QGuiApplication>

namespace {

QImage BlankSurface(qreal devicePixelRatio) {
    QImage image(qRound(CLIENT_WIDTH * devicePixelRatio), qRound(CLIENT_HEIGHT * devicePixelRatio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(RGB(0, 0, 0));
    return image;
}

} // namespace

WindowSurface::WindowSurface(qreal devicePixelRatio)
    : mImage(BlankSurface(devicePixelRatio)), mDC(mImage) {
    if (QGuiApplication::instance() != nullptr) {
        mDC.SetFont(QGuiApplication::font());
    }
    for (int32_t i = 0; i < PIECE_IMAGES; ++i) {
        const auto slot = static_cast<size_t>(i);
        mPieces[slot] = DrawPieceImage(i % PIECE_COLOURS, i >= PIECE_COLOURS, devicePixelRatio);
        mPieceDCs[slot] = std::make_unique<DeviceContext>(mPieces[slot]);
    }
}

WindowSurface::~WindowSurface() = default;

const DeviceContext& WindowSurface::picPiece(int32_t lngIndex) const {
    return *mPieceDCs.at(static_cast<size_t>(lngIndex));
}

float WindowSurface::ScaleHeight() const {
    return CLIENT_SCALE_HEIGHT;
}
