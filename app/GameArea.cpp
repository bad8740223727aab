#include "app/GameArea.h"

#include "board/BoardGeometry.h"
#include "platform/WindowSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <cmath>

namespace {

constexpr QRgb kCursorColour = qRgb(255, 255, 0);
constexpr int32_t kCursorWidth = 2; // logical pixels, in the gap around the cell

// The first device pixel at or after a logical coordinate, as the surface's own fills place it
// at any scale factor.
int DeviceEdge(int32_t logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 0.5));
}

QRect DeviceRect(const RECT& rect, qreal ratio) {
    return QRect(QPoint(DeviceEdge(rect.left, ratio), DeviceEdge(rect.top, ratio)),
                 QPoint(DeviceEdge(rect.right, ratio) - 1, DeviceEdge(rect.bottom, ratio) - 1));
}

} // namespace

GameArea::GameArea(QWidget* parent) : QWidget(parent) {
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void GameArea::setCursorCell(std::optional<int32_t> cell) {
    if (cell != mCursorCell) {
        mCursorCell = cell;
        update();
    }
}

void GameArea::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (mSurface != nullptr && !qFuzzyCompare(mSurface->devicePixelRatio(), ratio)) {
        emit DevicePixelRatioChanged();
    }
    // Device pixels one for one: at a fractional scale a scaled copy would drop or double some
    // rows and columns of the surface.
    QPainter painter(this);
    painter.scale(1 / ratio, 1 / ratio);
    const QRect area =
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio)
            .toAlignedRect();
    if (mSurface != nullptr) {
        painter.drawImage(area, *mSurface, area);
    }
    if (!mCursorCell) {
        return;
    }
    // A frame in the gap around the cell, so the whole cell stays in view.
    const RECT cell = CellRect(*mCursorCell);
    const QRect inner = DeviceRect(cell, ratio);
    const QRect outer = DeviceRect(RECT{cell.left - kCursorWidth, cell.top - kCursorWidth,
                                        cell.right + kCursorWidth, cell.bottom + kCursorWidth},
                                   ratio);
    for (const QRect& side : QRegion(outer).subtracted(QRegion(inner))) {
        painter.fillRect(side, QColor(kCursorColour));
    }
}

void GameArea::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseDown(event->button(), event->modifiers(), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
}

void GameArea::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double click has no handler of its own.
}

void GameArea::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (plain) {
            emit KeyDown(event->key());
            return;
        }
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plain) {
            // A key held down repeats, but a held mouse button presses once: so do these.
            if (!event->isAutoRepeat()) {
                emit KeyDown(event->key());
            }
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
