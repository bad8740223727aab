#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>

class QImage;

// The main window's client area. It shows the surface the engine paints, one device pixel for
// one, with the keyboard's frame drawn over it rather than into it. It reports presses (the
// second press of a double click excepted) and the keys that play the board.
//
// The keyboard cursor always stands on a cell, the top-left one at first: there the keys act,
// and there screen readers are. Tab takes the keyboard on from the board to the next colours
// and the two scores, and round again. The frame shows only while the keyboard is in use.
class GameArea : public QWidget {
    Q_OBJECT

public:
    enum class Part { Board, NextColours, YourScore, HighScore };

    explicit GameArea(QWidget* parent);

    void setSurface(const QImage* surface) { mSurface = surface; }
    // A cell, 1 to 100: the cursor moves there and its frame shows. Nothing: the frame hides
    // (the mouse has taken over) and the cursor stays where it is.
    void setCursorCell(std::optional<int32_t> cell);
    // The cell the frame shows on the board, if it shows.
    std::optional<int32_t> CursorCell() const;
    int32_t CursorPlace() const { return mCursor; }
    Part FocusedPart() const { return mPart; }

signals:
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void KeyDown(int key); // an arrow key, Space or Enter, while the board has the keyboard
    void PartFocused();    // Tab moved the keyboard on to another part
    void FocusedIn();      // the area has the focus again, and has told screen readers so
    // About to paint a surface made for another device pixel ratio than the window has now: a
    // receiver connected directly makes it anew before the paint goes on.
    void DevicePixelRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void setFrameShown(bool shown);

    const QImage* mSurface = nullptr;
    int32_t mCursor;
    Part mPart = Part::Board;
    bool mFrameShown = false;
};
