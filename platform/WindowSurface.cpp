#include "platform/WindowSurface.h"

#include "platform/PieceImages.h"

#include <QGuiApplication>

#include <system_error>
#include <thread>

namespace {

QImage Surface(const SurfaceShape& shape, qreal devicePixelRatio) {
    QImage image(qRound(shape.width * devicePixelRatio), qRound(shape.height * devicePixelRatio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage BlankSurface(const SurfaceShape& shape, qreal devicePixelRatio) {
    QImage image = Surface(shape, devicePixelRatio);
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
    // The device contexts draw on these very images, so they stay valid. Not cleared first:
    // the engine paints all of it again at once, and at a large zoom clearing takes a while.
    mImage = Surface(mShape, devicePixelRatio);
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
    const auto draw = [this, ratio](int32_t first, int32_t last) {
        for (int32_t colour = first; colour < last; ++colour) {
            PieceImagePair both = DrawPieceImages(colour, ratio, mblnShapes);
            mPieces[static_cast<size_t>(colour)] = std::move(both.onBlack);
            mPieces[static_cast<size_t>(colour + PIECE_COLOURS)] = std::move(both.onWhite);
        }
    };
    // Large images take a while: at the larger zooms a second core draws half of them, each
    // into images of its own.
    constexpr int32_t kHalf = PIECE_COLOURS / 2;
    if (ratio < 3) {
        draw(0, PIECE_COLOURS);
        return;
    }
    std::thread helper;
    try {
        helper = std::thread(draw, 0, kHalf);
    } catch (const std::system_error&) { // no thread to be had: all on this one
        draw(0, kHalf);
    }
    draw(kHalf, PIECE_COLOURS);
    if (helper.joinable()) {
        helper.join();
    }
}
