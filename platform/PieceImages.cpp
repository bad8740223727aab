#include "platform/PieceImages.h"

#include "platform/DeviceContext.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

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

// The glyphs that tell the colours apart without their tones: seven different outlines, none a
// turned copy of another, and the colours most easily mistaken for each other (red, green and
// orange; blue and magenta) given the least alike.
enum class Glyph { Ring, Star, Plus, Square, Hourglass, Bar, Triangle };

// Each colour's glyph and its ink: white on the dark balls, black on yellow and cyan, so that it
// stands out at least 3:1 from every tone it touches, also to eyes that lack a kind of cone.
struct GlyphStyle {
    Glyph shape;
    QRgb ink;
};

constexpr QRgb kWhiteInk = RGB(255, 255, 255);
constexpr QRgb kBlackInk = RGB(0, 0, 0);

constexpr std::array<GlyphStyle, PIECE_COLOURS> kGlyphs{{
    {Glyph::Ring, kWhiteInk},
    {Glyph::Star, kWhiteInk},
    {Glyph::Plus, kWhiteInk},
    {Glyph::Square, kBlackInk},
    {Glyph::Hourglass, kBlackInk},
    {Glyph::Bar, kWhiteInk},
    {Glyph::Triangle, kWhiteInk},
}};

// A five-pointed star, point up, moved down a little so that it reaches as far above the
// middle as below. Folded into the sector of its nearest point, a point lies inside when it is
// on the centre's side of the edge from that point to the next notch.
bool OnStar(double x, double y) {
    constexpr double kOuter = 5.8;
    constexpr double kInner = 2.4;
    constexpr double kSector = 2 * std::numbers::pi / 5;
    y -= kOuter * (1 - std::cos(kSector / 2)) / 2;
    const double angle = std::fabs(std::remainder(std::atan2(x, -y), kSector));
    const double r = std::hypot(x, y);
    const double px = r * std::cos(angle);
    const double py = r * std::sin(angle);
    const double nx = kInner * std::cos(kSector / 2);
    const double ny = kInner * std::sin(kSector / 2);
    return (nx - kOuter) * py - ny * (px - kOuter) >= 0;
}

// Half of a glyph's extent in device pixels: the whole number of them nearest to a size in
// logical pixels, odd or even as the ball is across, so that the glyph sits exactly in the
// middle and a round glyph has no stray pixel sticking out at any ratio.
double HalfExtent(double size, int32_t device, qreal devicePixelRatio) {
    const int32_t parity = device % 2;
    const auto pixels = 2 * std::lround((size * devicePixelRatio - parity) / 2) + parity;
    return static_cast<double>(pixels) / 2;
}

// Whether the centre of a device pixel, given in device pixels from the ball's centre (y down),
// lies on the glyph. Each glyph is about a third of the ball across.
bool OnGlyph(Glyph glyph, double u, double v, int32_t device, qreal devicePixelRatio) {
    const auto half = [&](double size) { return HalfExtent(size, device, devicePixelRatio); };
    const auto square = [](double value) { return value * value; };
    const double au = std::fabs(u);
    const double av = std::fabs(v);
    switch (glyph) {
    case Glyph::Ring: { // a stroke of about two logical pixels, whole device pixels wide
        const double outer = half(10.0);
        const double inner = outer - std::max(1.0, std::round(2.0 * devicePixelRatio));
        const double r2 = u * u + v * v;
        return r2 >= square(inner) && r2 < square(outer);
    }
    case Glyph::Star:
        return OnStar(u / devicePixelRatio, v / devicePixelRatio);
    case Glyph::Plus:
        return std::min(au, av) < half(2.0) && std::max(au, av) < half(10.0);
    case Glyph::Square:
        return std::max(au, av) < half(8.0);
    case Glyph::Hourglass: // two triangles tip to tip, 10 high
        return av < half(10.0) && au < av + 0.5 * devicePixelRatio;
    case Glyph::Bar:
        return au < half(10.0) && av < half(3.2);
    case Glyph::Triangle: { // 10 across and 9 high, pointing up
        const double y = v / devicePixelRatio;
        return std::fabs(y) < 4.5 && au / devicePixelRatio < (y + 4.5) / 9.0 * 5.0 + 0.3;
    }
    }
    return false;
}

// The device pixels a glyph covers, decided at each pixel's centre like the ball's own, so the
// glyph is as sharp as the ball at every ratio.
class GlyphMask {
public:
    GlyphMask(Glyph glyph, int32_t device, qreal devicePixelRatio)
        : mDevice(device), mCovered(static_cast<size_t>(device) * static_cast<size_t>(device)) {
        const double centre = device / 2.0;
        for (int32_t py = 0; py < device; ++py) {
            for (int32_t px = 0; px < device; ++px) {
                mCovered[Slot(px, py)] =
                    OnGlyph(glyph, px + 0.5 - centre, py + 0.5 - centre, device, devicePixelRatio);
            }
        }
    }
    bool Covers(int32_t px, int32_t py) const {
        return px >= 0 && py >= 0 && px < mDevice && py < mDevice && mCovered[Slot(px, py)];
    }
    bool Touches(int32_t px, int32_t py) const {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            for (int32_t dx = -1; dx <= 1; ++dx) {
                if (Covers(px + dx, py + dy)) {
                    return true;
                }
            }
        }
        return false;
    }

private:
    size_t Slot(int32_t px, int32_t py) const { return static_cast<size_t>(py * mDevice + px); }

    int32_t mDevice;
    std::vector<bool> mCovered;
};

} // namespace

QImage DrawPieceImage(int32_t lngColour, bool blnOnWhite, qreal devicePixelRatio, bool blnShapes) {
    PieceImagePair both = DrawPieceImages(lngColour, devicePixelRatio, blnShapes);
    return blnOnWhite ? std::move(both.onWhite) : std::move(both.onBlack);
}

PieceImagePair DrawPieceImages(int32_t lngColour, qreal devicePixelRatio, bool blnShapes) {
    const int32_t device = qRound(PIECE_SIZE * devicePixelRatio);
    PieceImagePair both{QImage(device, device, QImage::Format_RGB32),
                        QImage(device, device, QImage::Format_RGB32)};
    both.onBlack.setDevicePixelRatio(devicePixelRatio);
    both.onWhite.setDevicePixelRatio(devicePixelRatio);
    both.onBlack.fill(RGB(0, 0, 0));
    both.onWhite.fill(RGB(255, 255, 255));

    const auto colour = static_cast<size_t>(lngColour);
    const Tones& tones = kTones.at(colour);
    const GlyphStyle& glyph = kGlyphs.at(colour);
    std::optional<GlyphMask> mask;
    if (blnShapes) {
        mask.emplace(glyph.shape, device, devicePixelRatio);
    }
    const double radius = device / 2.0;
    const double outlineWidth = 1.0 / (PIECE_SIZE / 2.0);
    for (int32_t py = 0; py < device; ++py) {
        auto* onBlack = reinterpret_cast<QRgb*>(both.onBlack.scanLine(py));
        auto* onWhite = reinterpret_cast<QRgb*>(both.onWhite.scanLine(py));
        for (int32_t px = 0; px < device; ++px) {
            const double x = (px + 0.5 - radius) / radius;
            const double y = (py + 0.5 - radius) / radius;
            const QRgb* tone = ToneAt(tones, x, y, outlineWidth);
            if (tone == nullptr) {
                continue;
            }
            if (mask && mask->Covers(px, py)) {
                tone = &glyph.ink;
            } else if (mask && mask->Touches(px, py)) {
                // Right beside the glyph, the tone too close to its ink in brightness steps
                // one tone towards the ball's middle tones: the shine beside white ink, the
                // shade beside black.
                if (glyph.ink == kWhiteInk && tone == &tones.highlight) {
                    tone = &tones.light;
                } else if (glyph.ink == kBlackInk && tone == &tones.shade) {
                    tone = &tones.body;
                }
            }
            onBlack[px] = *tone;
            onWhite[px] = *tone;
        }
    }
    return both;
}
