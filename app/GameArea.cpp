#include "app/GameArea.h"

#include "app/GameAccessible.h"
#include "board/AreaLayout.h"
#include "game/clsGame.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
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

void GameArea::setLabels(QLabel* nextColours, QLabel* yourScore, QLabel* highScore) {
    mLabels = {nullptr, nextColours, yourScore, highScore};
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
    if (!mFrameShown) {
        return;
    }
    // A frame just outside what it marks (in the gap around a cell), so all of it stays in view.
    const RECT framed = Framed(mPart, mCursor);
    const QRect inner = DeviceRect(framed, ratio);
    const QRect outer = DeviceRect(RECT{framed.left - kCursorWidth, framed.top - kCursorWidth,
                                        framed.right + kCursorWidth, framed.bottom + kCursorWidth},
                                   ratio);
    for (const QRect& side : QRegion(outer).subtracted(QRegion(inner))) {
        painter.fillRect(side, QColor(kCursorColour));
    }
}

void GameArea::mousePressEvent(QMouseEvent* event) {
    if (mPart != Part::Board) { // the mouse plays the board: so do the keys from now on
        mPart = Part::Board;
        update();
    }
    setFrameShown(false); // the mouse takes over from the keyboard
    const QPointF at = event->position();
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

bool GameArea::focusNextPrevChild(bool next) {
    // The area is the window's only stop for Tab: it goes round the area's own parts.
    mPart = static_cast<Part>((static_cast<int>(mPart) + (next ? 1 : PARTS - 1)) % PARTS);
    mFrameShown = true;
    update();
    emit KeyboardMoved();
    return true;
}
