#pragma once

#include "board/AreaLayout.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QImage;
class QLabel;
class clsGame;

// The main window's client area. It shows the surface the engine paints, one device pixel for
// one, with the keyboard's frame drawn over it rather than into it, at the size the player has
// chosen. It reports presses (the second press of a double click excepted) where they land on
// the game, and screen readers see through it what it shows.
//
// The keyboard cursor always stands on a cell, the top-left one at first: the arrow keys move it
// over the cells, stopping at the edges, Space and Enter press the cell under it, and there
// screen readers are. Tab takes the keyboard on from the board to the next colours and the two
// scores, and round again. The frame shows only while the keyboard is in use.
class GameArea : public QWidget {
    Q_OBJECT

public:
    // In reading order, as Tab goes round them.
    using Part = AreaPart;
    static constexpr int PARTS = AREA_PARTS;

    explicit GameArea(QWidget* parent);

    void setSurface(const QImage* surface) { mSurface = surface; }
    // Shows anew what has been drawn on the surface, in pixels of the game.
    void ShowDrawn(const QRegion& drawn);
    // The game shown and played here; none once it has gone.
    void setGame(const clsGame* game) { mGame = game; }
    const clsGame* Game() const { return mGame; }
    // The labels above the side panel's parts, which name them for screen readers too.
    void setLabels(QLabel* nextColours, QLabel* yourScore, QLabel* highScore);
    QLabel* Label(Part part) const; // none above the board
    // Places the labels above the side panel's parts, in the area's font at its zoom, aligned to
    // the left of the boxes they name, or to their right where words are read from the right.
    void PlaceLabels();
    // How large the area is shown: 1 for its own size. It takes the size for it on its screen, and
    // a surface drawn at the zoom times the window's device pixel ratio.
    void setZoom(qreal zoom);
    qreal Zoom() const { return mZoom; }
    // What its picture is drawn at: the screen's device pixel ratio times the zoom.
    qreal PictureRatio() const { return devicePixelRatioF() * mZoom; }
    // The area's size for its zoom, after the window's device pixel ratio has changed.
    void FitToScreen();
    // A cell, 1 to 100: the cursor moves there and its frame shows. Nothing: the frame hides
    // (the mouse has taken over) and the cursor stays where it is.
    void setCursorCell(std::optional<int32_t> cell);
    // The cell the cursor stands on, whether its frame shows or not.
    int32_t Cursor() const { return mCursor; }
    // The cell the frame shows on the board, if it shows.
    std::optional<int32_t> FramedCell() const;
    Part FocusedPart() const { return mPart; }

signals:
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void CellPressed(int32_t cell); // Space or Enter, on the cell under the cursor
    void KeyboardMoved();           // an arrow moved the cursor, or Tab the keyboard to a part
    void FocusedIn();               // the area has the focus again, and has told screen readers
    void ZoomAsked(int steps);      // the wheel turned with Ctrl held: up is larger
    void Painted();                 // what the surface holds is on screen
    // About to paint a surface made for another device pixel ratio than the window has now: a
    // receiver connected directly makes it anew before the paint goes on.
    void DevicePixelRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void setFrameShown(bool shown);

    const QImage* mSurface = nullptr;
    const clsGame* mGame = nullptr;
    std::array<QPointer<QLabel>, PARTS> mLabels; // by part; none for the board
    int32_t mCursor;
    Part mPart = Part::Board;
    bool mFrameShown = false;
    qreal mZoom = 1.0;
    int mWheel = 0; // turned with Ctrl held and not yet a whole step, in eighths of a degree
};
