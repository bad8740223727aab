#include "platform/PieceImages.h"

#include "platform/DeviceContext.h"

#include <array>
#include <cmath>

namespace {

// Tones from dark to bright. The body is the colour's two main tones (shade and body), the
// highlight its brightest spot; the outline is one step darker than the shade, and a light
// tone between body and highlight is added where the 216 colours have one. Every component is
// a multiple of 51, so the balls stay within the colours every display shows without dithering.
struct Tones {
    QRgb outline;
    QRgb shade;
    QRgb body;
    QRgb light;
    QRgb highlight;
};

constexpr std::array<Tones, PIECE_COLOURS> kTones{{
    {RGB(51, 0, 0), RGB(102, 0, 0), RGB(153, 0, 0), RGB(204, 0, 0), RGB(255, 0, 0)},
    {RGB(0, 0, 51), RGB(0, 0, 102), RGB(0, 0, 153), RGB(0, 0, 153), RGB(0, 0, 204)},
    {RGB(0, 0, 0), RGB(0, 51, 0), RGB(0, 102, 0), RGB(0, 102, 0), RGB(0, 153, 0)},
    {RGB(102, 51, 0), RGB(153, 102, 0), RGB(204, 153, 0), RGB(255, 204, 0), RGB(255, 255, 51)},
    {RGB(0, 51, 51), RGB(0, 102, 102), RGB(0, 153, 153), RGB(0, 153, 153), RGB(0, 153, 204)},
    {RGB(51, 0, 51), RGB(102, 0, 102), RGB(153, 0, 153), RGB(204, 0, 204), RGB(255, 51, 255)},
    {RGB(51, 0, 0), RGB(102, 51, 0), RGB(153, 51, 0), RGB(204, 102, 0), RGB(255, 102, 0)},
}};

// The tone of the ball at a point given relative to its centre, in units of its radius, or
// nothing (the background) outside it.
const QRgb* ToneAt(const Tones& tones, double x, double y, double outlineWidth) {
    const double r2 = x * x + y * y;
    if (r2 >= 1.0) {
        return nullptr;
    }
    if (std::sqrt(r2) > 1.0 - outlineWidth) {
        return &tones.outline;
    }
    // Lit from the upper left and a little from the front: the lower right falls into shade.
    const double z = std::sqrt(1.0 - r2);
    const double lx = -0.45, ly = -0.55, lz = 0.70;
    const double diffuse = (x * lx + y * ly + z * lz) / std::sqrt(lx * lx + ly * ly + lz * lz);
    const double hx = x + 0.33, hy = y + 0.38;
    if (hx * hx + hy * hy < 0.05) {
        return &tones.highlight;
    }
    if (diffuse > 0.78) {
        return &tones.light;
    }
    if (diffuse > 0.28) {
        return &tones.body;
    }
    return &tones.shade;
}

} // namespace

QImage DrawPieceImage(int32_t lngColour, bool blnOnWhite, qreal devicePixelRatio) {
    const int32_t device = qRound(PIECE_SIZE * devicePixelRatio);
    QImage image(device, device, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(blnOnWhite ? RGB(255, 255, 255) : RGB(0, 0, 0));

    const Tones& tones = kTones.at(static_cast<size_t>(lngColour));
    const double radius = device / 2.0;
    const double outlineWidth = 1.0 / (PIECE_SIZE / 2.0);
    for (int32_t py = 0; py < device; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int32_t px = 0; px < device; ++px) {
            const double x = (px + 0.5 - radius) / radius;
            const double y = (py + 0.5 - radius) / radius;
            if (const QRgb* tone = ToneAt(tones, x, y, outlineWidth)) {
                line[px] = *tone;
            }
        }
    }
    return image;
}
