#pragma once

#include <QWidget>

class QMainWindow;
class QToolButton;

// A title bar of the window's own, with the title, a minimise box and a close box, for where
// the window system leaves the title bar to the program and Qt would draw one with a maximise
// button too (Qt's Wayland plugin without server-side decorations). A press on it moves the
// window.
class TitleBar : public QWidget {
    Q_OBJECT

public:
    // A whole number of device pixels at every scale in steps of a quarter.
    static constexpr int HEIGHT = 32;

    // Puts a title bar above the window's menu bar, in place of the window system's frame.
    static TitleBar* Install(QMainWindow& window);

    QToolButton* MinimiseButton() const { return mMinimise; }
    QToolButton* CloseButton() const { return mClose; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    explicit TitleBar(QMainWindow& window);
    void Place();

    QMainWindow& mWindow;
    QToolButton* mMinimise;
    QToolButton* mClose;
};

// Where Qt's Wayland plugin draws the title bar itself (the compositor has no server-side
// decorations), the window gets a title bar of its own instead, once, as soon as Qt shows it.
void UseOwnTitleBarWhereQtDrawsOne(QMainWindow& window);
