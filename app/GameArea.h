#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>

class QImage;

// The main window's client area. It shows the surface the engine paints, one device pixel for
// one, with the keyboard cursor's frame drawn over it rather than into it. It reports presses
// (the second press of a double click excepted) and the keys that play the board.
class GameArea : public QWidget {
    Q_OBJECT

public:
    explicit GameArea(QWidget* parent);

    void setSurface(const QImage* surface) { mSurface = surface; }
    // The cell the keyboard cursor frames, 1 to 100, or nothing to hide it.
    void setCursorCell(std::optional<int32_t> cell);
    std::optional<int32_t> CursorCell() const { return mCursorCell; }

signals:
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void KeyDown(int key); // an arrow key, Space or Enter
    // About to paint a surface made for another device pixel ratio than the window has now: a
    // receiver connected directly makes it anew before the paint goes on.
    void DevicePixelRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const QImage* mSurface = nullptr;
    std::optional<int32_t> mCursorCell;
};
