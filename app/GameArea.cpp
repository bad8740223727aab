#include "app/GameArea.h"

#include "app/GameAccessible.h"
#include "board/AreaLayout.h"
#include "game/clsGame.h"
#include "platform/FitToText.h"

#include <QAccessible>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kCursorColour = qRgb(255, 255, 0);
constexpr int32_t kCursorWidth = 2; // logical pixels, in the gap around the cell

// What the frame goes round for each part: the cell under the cursor, or a box on the panel.
RECT Framed(GameArea::Part part, int32_t cursor) {
    return part == GameArea::Part::Board ? CellRect(cursor) : PartBox(part);
}

} // namespace

GameArea::GameArea(QWidget* parent) : QWidget(parent), mCursor(CellIndex(1, 1)) {
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QAccessible::installFactory(GameAreaFactory); // Qt keeps one of each, however often asked
}

void GameArea::ShowDrawn(const QRegion& drawn) {
    QRegion shown;
    for (const QRect& rect : drawn) { // a pixel more all round, for the edges a zoom rounds
        shown += QRectF(QPointF(rect.topLeft()) * mZoom, QSizeF(rect.size()) * mZoom)
                     .toAlignedRect()
                     .adjusted(-1, -1, 1, 1);
    }
    update(shown);
}

void GameArea::setLabels(QLabel* nextColours, QLabel* yourScore, QLabel* highScore) {
    mLabels = {nullptr, nextColours, yourScore, highScore};
}

void GameArea::PlaceLabels() {
    QFont zoomed = font();
    if (zoomed.pointSizeF() > 0) {
        zoomed.setPointSizeF(zoomed.pointSizeF() * mZoom);
    } else {
        zoomed.setPixelSize(qRound(zoomed.pixelSize() * mZoom));
    }
    const auto at = [this](qreal logical) { return qRound(logical * mZoom); };
    for (int part = 1; part < PARTS; ++part) {
        QLabel* label = Label(static_cast<Part>(part));
        if (label == nullptr) {
            continue;
        }
        label->setFont(zoomed);
        FitToText(*label);
        const QPointF corner = LabelCorner(static_cast<Part>(part));
        int x = at(corner.x());
        // The game area is a picture and keeps its layout, but in a language written from right
        // to left the labels align to the right edge of the boxes they name, as far in from it.
        if (layoutDirection() == Qt::RightToLeft) {
            x = at(SIDE_PANEL.right) - (x - at(SIDE_PANEL.left)) - label->width();
        }
        label->move(x, at(corner.y()));
    }
}

void GameArea::setZoom(qreal zoom) {
    if (zoom != mZoom) {
        mZoom = zoom;
        mWheel = 0;
        FitToScreen();
        PlaceLabels();
    }
}

void GameArea::FitToScreen() {
    setFixedSize(AreaSize(mZoom, devicePixelRatioF()));
}

QLabel* GameArea::Label(Part part) const {
    return mLabels.at(static_cast<size_t>(part));
}

std::optional<int32_t> GameArea::FramedCell() const {
    return mFrameShown && mPart == Part::Board ? std::optional(mCursor) : std::nullopt;
}

void GameArea::setCursorCell(std::optional<int32_t> cell) {
    if (cell && IsCellIndex(*cell) && *cell != mCursor) {
        mCursor = *cell;
        update();
    }
    setFrameShown(cell.has_value());
}

void GameArea::setFrameShown(bool shown) {
    if (shown != mFrameShown) {
        mFrameShown = shown;
        update();
    }
}

void GameArea::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (mSurface != nullptr && !qFuzzyCompare(mSurface->devicePixelRatio(), PictureRatio())) {
        emit DevicePixelRatioChanged();
    }
    // Device pixels one for one: at a fractional scale a scaled copy would drop or double some
    // rows and columns of the surface.
    QPainter painter(this);
    painter.scale(1 / ratio, 1 / ratio);
    if (mSurface != nullptr) {
        for (const QRect& logical : event->region()) { // only what changed: a zoom makes it large
            const QRect area =
                QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio)
                    .toAlignedRect();
            painter.drawImage(area, *mSurface, area);
        }
        // The area may reach a device pixel or two past the picture: its edges go on there.
        const QSize picture = mSurface->size();
        const int wide = qCeil(width() * ratio);
        const int high = qCeil(height() * ratio);
        for (int x = picture.width(); x < wide; ++x) {
            const QRect column(picture.width() - 1, 0, 1, picture.height());
            painter.drawImage(column.translated(x - column.x(), 0), *mSurface, column);
        }
        for (int y = picture.height(); y < high; ++y) {
            const QRect row(0, picture.height() - 1, picture.width(), 1);
            painter.drawImage(row.translated(0, y - row.y()), *mSurface, row);
        }
        if (wide > picture.width() && high > picture.height()) {
            painter.fillRect(QRect(QPoint(picture.width(), picture.height()), QPoint(wide, high)),
                             QColor(mSurface->pixel(picture.width() - 1, picture.height() - 1)));
        }
    }
    if (!mFrameShown) {
        emit Painted();
        return;
    }
    // A frame just outside what it marks (in the gap around a cell), so all of it stays in view.
    const qreal drawn = mSurface != nullptr ? mSurface->devicePixelRatio() : ratio;
    const RECT framed = Framed(mPart, mCursor);
    const QRect inner = Zoomed(framed, drawn);
    const QRect outer = Zoomed(RECT{framed.left - kCursorWidth, framed.top - kCursorWidth,
                                    framed.right + kCursorWidth, framed.bottom + kCursorWidth},
                               drawn);
    for (const QRect& side : QRegion(outer).subtracted(QRegion(inner))) {
        painter.fillRect(side, QColor(kCursorColour));
    }
    emit Painted();
}

void GameArea::mousePressEvent(QMouseEvent* event) {
    if (mPart != Part::Board) { // the mouse plays the board: so do the keys from now on
        mPart = Part::Board;
        update();
    }
    setFrameShown(false);                         // the mouse takes over from the keyboard
    const QPointF at = event->position() / mZoom; // where on the game it lands
    emit MouseDown(event->button(), event->modifiers(), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
}

void GameArea::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double click has no handler of its own.
}

void GameArea::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    const int across = int(key == Qt::Key_Right) - int(key == Qt::Key_Left);
    const int down = int(key == Qt::Key_Down) - int(key == Qt::Key_Up);
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!plain || (across == 0 && down == 0 && !press)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The keys play the board while a game runs. A key held down repeats, but a held mouse
    // button presses once: so do these.
    if (mPart != Part::Board || mGame == nullptr || mGame->EndOfGame() ||
        (press && event->isAutoRepeat())) {
        return;
    }
    if (press) {
        setCursorCell(mCursor);
        emit CellPressed(mCursor);
        return;
    }
    const int32_t col = std::clamp(CellColumn(mCursor) + across, 1, BOARD_SIDE);
    const int32_t row = std::clamp(CellRow(mCursor) + down, 1, BOARD_SIDE);
    setCursorCell(CellIndex(col, row));
    emit KeyboardMoved();
}

void GameArea::focusInEvent(QFocusEvent* event) {
    // Back from a menu or a window, the keys play the board again.
    if (event->reason() != Qt::TabFocusReason && event->reason() != Qt::BacktabFocusReason &&
        mPart != Part::Board) {
        mPart = Part::Board;
        update();
    }
    QWidget::focusInEvent(event);
    // Qt tells screen readers of the area's focus after this returns; the focused part comes
    // after that, or it would be overtaken.
    QMetaObject::invokeMethod(this, &GameArea::FocusedIn, Qt::QueuedConnection);
}

void GameArea::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(event);
        return;
    }
    // A notch of a wheel is 120; a touchpad sends a little at a time, and a device may send
    // anything.
    mWheel += std::clamp(event->angleDelta().y(), -1200, 1200);
    const int steps = mWheel / 120;
    mWheel -= steps * 120;
    if (steps != 0) {
        emit ZoomAsked(steps);
    }
    event->accept();
}

bool GameArea::focusNextPrevChild(bool next) {
    // The area is the window's only stop for Tab: it goes round the area's own parts.
    mPart = static_cast<Part>((static_cast<int>(mPart) + (next ? 1 : PARTS - 1)) % PARTS);
    mFrameShown = true;
    update();
    emit KeyboardMoved();
    return true;
}
