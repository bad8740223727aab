#pragma once

#include "platform/DeviceContext.h"

#include <QImage>
#include <QRect>

// The box around the white pixels inside a rectangle: where drawn text stands.
inline QRect WhiteBox(const QImage& image, const QRect& within) {
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (image.pixel(x, y) == RGB(255, 255, 255)) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}
