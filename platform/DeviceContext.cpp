#include "platform/DeviceContext.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The four tones of a three-dimensional edge, from the platform's palette.
struct EdgeTones {
    QRgb highlight;
    QRgb light;
    QRgb shadow;
    QRgb darkShadow;
};

EdgeTones PaletteTones() {
    const QPalette palette = QGuiApplication::palette();
    return {palette.color(QPalette::Light).rgb(), palette.color(QPalette::Midlight).rgb(),
            palette.color(QPalette::Dark).rgb(), palette.color(QPalette::Shadow).rgb()};
}

// The image's device pixel ratio when it is a whole number, otherwise 0.
int IntegerRatio(const QImage& image) {
    const qreal ratio = image.devicePixelRatio();
    const int whole = qRound(ratio);
    return qFuzzyCompare(ratio, static_cast<qreal>(whole)) && whole > 0 ? whole : 0;
}

// Whether a pixel of the image is a QRgb in memory, so colours can be written as they are.
bool HoldsQRgb(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: // every colour drawn here is opaque
        return true;
    default:
        return false;
    }
}

void BeginUnsmoothed(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
}

} // namespace

DeviceContext::DeviceContext(QImage& image)
    : mImage(image), mPen(RGB(0, 0, 0), 1), mTextColour(RGB(0, 0, 0)) {}

QRegion DeviceContext::TakeDrawn() {
    return std::exchange(mDrawn, QRegion());
}

void DeviceContext::Fill(int32_t x, int32_t y, int32_t width, int32_t height, QRgb colour) {
    if (width <= 0 || height <= 0) {
        return;
    }
    mDrawn |= QRect(x, y, width, height);
    const int ratio = IntegerRatio(mImage);
    if (ratio == 0 || !HoldsQRgb(mImage)) {
        QPainter painter(&mImage);
        BeginUnsmoothed(painter);
        painter.fillRect(QRect(x, y, width, height), QColor(colour));
        return;
    }
    // Whole device pixels: write them directly, which is many times faster than a painter.
    const QRect area =
        QRect(x * ratio, y * ratio, width * ratio, height * ratio).intersected(mImage.rect());
    uchar* bits = mImage.bits();
    const qsizetype stride = mImage.bytesPerLine();
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(bits + row * stride);
        std::fill(line + area.left(), line + area.right() + 1, colour);
    }
}

void DeviceContext::FillRect(const RECT& rect, const Brush& brush) {
    Fill(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, brush.Colour());
}

void DeviceContext::DrawEdge(const RECT& rect, uint32_t edge, uint32_t flags) {
    if ((flags & BF_RECT) != BF_RECT) {
        return; // only whole frames are ever drawn
    }
    const EdgeTones tones = PaletteTones();

    // One ring: the top and left side in one tone, the bottom and right side in the other; the
    // bottom-right tone owns the top-right and bottom-left corners.
    auto ring = [&](int32_t inset, QRgb topLeft, QRgb bottomRight) {
        const int32_t l = rect.left + inset;
        const int32_t t = rect.top + inset;
        const int32_t r = rect.right - inset;
        const int32_t b = rect.bottom - inset;
        Fill(l, t, r - l - 1, 1, topLeft);
        Fill(l, t, 1, b - t - 1, topLeft);
        Fill(l, b - 1, r - l, 1, bottomRight);
        Fill(r - 1, t, 1, b - t, bottomRight);
    };

    if (edge & BDR_RAISEDOUTER) {
        ring(0, tones.light, tones.darkShadow);
    } else if (edge & BDR_SUNKENOUTER) {
        ring(0, tones.shadow, tones.highlight);
    }
    if (edge & BDR_RAISEDINNER) {
        ring(1, tones.highlight, tones.shadow);
    } else if (edge & BDR_SUNKENINNER) {
        ring(1, tones.darkShadow, tones.light);
    }
}

Pen DeviceContext::SelectObject(const Pen& pen) {
    const Pen previous = mPen;
    mPen = pen;
    return previous;
}

void DeviceContext::MoveToEx(int32_t x, int32_t y) {
    mCurrent = {x, y};
}

void DeviceContext::LineTo(int32_t x, int32_t y) {
    const QRgb colour = mPen.Colour();
    const POINT from = mCurrent;
    mCurrent = {x, y};

    // Straight lines are one fill; anything else is stepped pixel by pixel. Either way the end
    // point itself is left out.
    if (from.y == y) {
        const int32_t first = x > from.x ? from.x : x + 1;
        Fill(first, y, std::abs(x - from.x), 1, colour);
        return;
    }
    if (from.x == x) {
        const int32_t first = y > from.y ? from.y : y + 1;
        Fill(x, first, 1, std::abs(y - from.y), colour);
        return;
    }
    const int32_t dx = std::abs(x - from.x);
    const int32_t dy = -std::abs(y - from.y);
    const int32_t sx = from.x < x ? 1 : -1;
    const int32_t sy = from.y < y ? 1 : -1;
    int32_t error = dx + dy;
    POINT p = from;
    while (p.x != x || p.y != y) {
        Fill(p.x, p.y, 1, 1, colour);
        const int32_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

void DeviceContext::BitBlt(int32_t x, int32_t y, int32_t cx, int32_t cy,
                           const DeviceContext& source, int32_t x1, int32_t y1, uint32_t rop) {
    if (rop != SRCCOPY || cx <= 0 || cy <= 0) {
        return;
    }
    mDrawn |= QRect(x, y, cx, cy);
    // The source is addressed in its own device pixels, so an image drawn at a higher
    // resolution is copied at that resolution.
    const int ratio = IntegerRatio(mImage);
    if (ratio != 0 && ratio == IntegerRatio(source.mImage) && mImage.depth() == 32 &&
        source.mImage.format() == mImage.format()) {
        // Same resolution and format: copy the rows as they are.
        const QRect to = QRect(x * ratio, y * ratio, cx * ratio, cy * ratio);
        const QPoint offset = QPoint(x1 * ratio, y1 * ratio) - to.topLeft();
        const QRect area =
            to.intersected(mImage.rect()).intersected(source.mImage.rect().translated(-offset));
        const uchar* sourceBits = source.mImage.constBits();
        uchar* bits = mImage.bits();
        const qsizetype sourceStride = source.mImage.bytesPerLine();
        const qsizetype stride = mImage.bytesPerLine();
        for (int row = area.top(); row <= area.bottom(); ++row) {
            const auto* from =
                reinterpret_cast<const QRgb*>(sourceBits + (row + offset.y()) * sourceStride);
            auto* line = reinterpret_cast<QRgb*>(bits + row * stride);
            std::copy(from + area.left() + offset.x(), from + area.right() + 1 + offset.x(),
                      line + area.left());
        }
        return;
    }
    const qreal sourceRatio = source.mImage.devicePixelRatio();
    const QRect from(qRound(x1 * sourceRatio), qRound(y1 * sourceRatio), qRound(cx * sourceRatio),
                     qRound(cy * sourceRatio));
    QPainter painter(&mImage);
    BeginUnsmoothed(painter);
    painter.drawImage(QRect(x, y, cx, cy), source.mImage, from);
}

QRgb DeviceContext::SetTextColor(QRgb colour) {
    const QRgb previous = mTextColour;
    mTextColour = colour;
    return previous;
}

void DeviceContext::SetFont(const QFont& font) {
    mFont = font;
}

void DeviceContext::DrawText(const QString& text, const RECT& rect, uint32_t format) {
    mDrawn |= QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    QPainter painter(&mImage);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QFont font = mFont;
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(QColor(mTextColour));
    int flags = 0;
    flags |= (format & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
    }
    painter.drawText(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                     flags, text);
}
