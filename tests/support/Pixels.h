#pragma once

#include "platform/DeviceContext.h"

#include <QImage>
#include <QLabel>
#include <QRect>
#include <QRegion>

#include <optional>

constexpr QRgb kBlack = RGB(0, 0, 0);
constexpr QRgb kWhite = RGB(255, 255, 255);
// The keyboard cursor's frame.
constexpr QRgb kCursor = qRgb(255, 255, 0);

inline int Brightness(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c);
}

// Whether an image shows a smaller one, its top-left corner at a point.
inline bool Shows(const QImage& image, QPoint at, const QImage& part) {
    return image.copy(QRect(at, part.size())) == part;
}

// The box around the white pixels inside a rectangle: where drawn text stands.
inline QRect WhiteBox(const QImage& image, const QRect& within) {
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (image.pixel(x, y) == kWhite) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

// The device pixels a rectangle in logical pixels touches at a device pixel ratio.
inline QRect DeviceRect(const QRectF& logical, qreal ratio) {
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
}

// Where the labels on the game area stand in device pixels, a pixel more all round for their
// anti-aliased edges: drawn by Qt over the surface, they are not the surface's own pixels.
inline QRegion LabelsOn(const QWidget& area, qreal ratio) {
    QRegion labels;
    for (const QLabel* label : area.findChildren<QLabel*>()) {
        labels += DeviceRect(label->geometry(), ratio).adjusted(-1, -1, 1, 1);
    }
    return labels;
}

// The first device pixel of a surface that a window's picture does not show one for one, the
// surface standing top device rows down in it; places left out aside. Nothing when all show.
inline std::optional<QPoint> FirstNotShown(const QImage& surface, const QImage& shown, int top,
                                           const QRegion& leftOut) {
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (!leftOut.contains(QPoint(x, y)) &&
                (!shown.valid(x, top + y) || shown.pixel(x, top + y) != surface.pixel(x, y))) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}
