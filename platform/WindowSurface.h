#pragma once

#include "platform/DeviceContext.h"
#include "platform/PieceImages.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <memory>

// A surface's size in logical pixels, and its height in the window's own unit.
struct SurfaceShape {
    int32_t width;
    int32_t height;
    float scaleHeight;
};

// What the board and the engine see of the main window: its persistent drawing surface, the
// fourteen hidden piece images, its height in form units, and a way to bring the drawing on
// screen. The window decides what Refresh means; everything else is the same image everywhere.
class WindowSurface {
public:
    explicit WindowSurface(const SurfaceShape& shape, qreal devicePixelRatio = 1.0);
    virtual ~WindowSurface();
    WindowSurface(const WindowSurface&) = delete;
    WindowSurface& operator=(const WindowSurface&) = delete;

    DeviceContext& hDC() { return mDC; }
    const DeviceContext& picPiece(int32_t lngIndex) const;
    float ScaleHeight() const { return mShape.scaleHeight; }
    virtual void Refresh() = 0;

    const QImage& Image() const { return mImage; }
    // Whether the piece images carry each colour's glyph. Changing it makes them again; what
    // is already on the surface stays until it is drawn again.
    bool Shapes() const { return mblnShapes; }
    void setShapes(bool blnShapes);

    // Device pixels to a logical one, on the surface and the piece images alike. Another ratio
    // makes them anew, the surface undrawn: the engine must paint the game area again at once.
    qreal DevicePixelRatio() const { return mImage.devicePixelRatio(); }
    void setDevicePixelRatio(qreal devicePixelRatio);

private:
    void MakePieceImages();

    SurfaceShape mShape;
    QImage mImage;
    DeviceContext mDC;
    std::array<QImage, PIECE_IMAGES> mPieces;
    std::array<std::unique_ptr<DeviceContext>, PIECE_IMAGES> mPieceDCs;
    bool mblnShapes = false;
};

// A surface that is never shown: for running the game headless.
class OffscreenSurface : public WindowSurface {
public:
    using WindowSurface::WindowSurface;
    void Refresh() override { ++mRefreshCount; }
    int32_t RefreshCount() const { return mRefreshCount; }

private:
    int32_t mRefreshCount = 0;
};
