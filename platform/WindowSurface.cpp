#include "platform/WindowSurface.h"

#include "platform/PieceImages.h"

#include <QGuiApplication>

namespace {

QImage BlankSurface(const SurfaceShape& shape, qreal devicePixelRatio) {
    QImage image(qRound(shape.width * devicePixelRatio), qRound(shape.height * devicePixelRatio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(RGB(0, 0, 0));
    return image;
}

} // namespace

WindowSurface::WindowSurface(const SurfaceShape& shape, qreal devicePixelRatio)
    : mShape(shape), mImage(BlankSurface(shape, devicePixelRatio)), mDC(mImage) {
    if (QGuiApplication::instance() != nullptr) {
        mDC.SetFont(QGuiApplication::font());
    }
    for (size_t slot = 0; slot < mPieces.size(); ++slot) {
        mPieceDCs[slot] = std::make_unique<DeviceContext>(mPieces[slot]);
    }
    MakePieceImages();
}

WindowSurface::~WindowSurface() = default;

void WindowSurface::setDevicePixelRatio(qreal devicePixelRatio) {
    // The device contexts draw on these very images, so they stay valid.
    mImage = BlankSurface(mShape, devicePixelRatio);
    MakePieceImages();
}

const DeviceContext& WindowSurface::picPiece(int32_t lngIndex) const {
    return *mPieceDCs.at(static_cast<size_t>(lngIndex));
}

void WindowSurface::setShapes(bool blnShapes) {
    if (blnShapes != mblnShapes) {
        mblnShapes = blnShapes;
        MakePieceImages();
    }
}

// Draws the fourteen piece images at the surface's ratio, into the images the device contexts
// already hold.
void WindowSurface::MakePieceImages() {
    const qreal ratio = mImage.devicePixelRatio();
    for (int32_t i = 0; i < PIECE_IMAGES; ++i) {
        mPieces[static_cast<size_t>(i)] =
            DrawPieceImage(i % PIECE_COLOURS, i >= PIECE_COLOURS, ratio, mblnShapes);
    }
}
