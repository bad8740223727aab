#include "platform/RightToLeft.h"

#include <QWidget>

void PlaceFromTheRight(QWidget& window) {
    if (window.layoutDirection() != Qt::RightToLeft) {
        return;
    }
    for (QWidget* part : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!part->isWindow()) {
            part->move(window.width() - part->x() - part->width(), part->y());
        }
    }
}
