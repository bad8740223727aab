#include "app/TitleBar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int kIconSize = 16;
constexpr int kPadding = 8;

QToolButton* Box(QWidget* parent, QStyle::StandardPixmap icon, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon, nullptr, parent));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus); // the keys stay with the game
    button->setToolTip(name);
    button->setAccessibleName(name);
    return button;
}

// Waits for Qt's Wayland plugin to decide who draws the title bar: a frame of its own shows as
// frame margins, from the first frame on.
class DecorationWatch : public QObject {
public:
    explicit DecorationWatch(QMainWindow& window) : QObject(&window), mWindow(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QWindow* native = mWindow.windowHandle();
        if (watched == &mWindow && event->type() == QEvent::UpdateRequest && native != nullptr &&
            native->frameMargins().top() > 0) {
            mWindow.removeEventFilter(this);
            // Frameless, the window is made anew: not from inside its own update.
            QTimer::singleShot(0, &mWindow, [window = &mWindow] {
                window->setWindowFlag(Qt::FramelessWindowHint);
                TitleBar::Install(*window);
                window->show();
            });
            deleteLater();
        }
        return false;
    }

private:
    QMainWindow& mWindow;
};

} // namespace

TitleBar::TitleBar(QMainWindow& window)
    : QWidget(&window), mWindow(window),
      mMinimise(Box(this, QStyle::SP_TitleBarMinButton, tr("Minimise"))),
      mClose(Box(this, QStyle::SP_TitleBarCloseButton, tr("Close"))) {
    connect(mMinimise, &QToolButton::clicked, &window, &QWidget::showMinimized);
    connect(mClose, &QToolButton::clicked, &window, &QWidget::close);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kPadding, 0, kPadding / 2, 0);
    row->setSpacing(0);
    row->addStretch();
    row->addWidget(mMinimise);
    row->addWidget(mClose);
    window.installEventFilter(this);
    Place();
}

TitleBar* TitleBar::Install(QMainWindow& window) {
    auto* bar = new TitleBar(window);
    QMargins margins = window.contentsMargins();
    margins.setTop(margins.top() + HEIGHT);
    window.setContentsMargins(margins);
    bar->show();
    return bar;
}

void TitleBar::Place() {
    setGeometry(0, 0, mWindow.width(), HEIGHT);
    raise();
}

bool TitleBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mWindow) {
        switch (event->type()) {
        case QEvent::Resize:
            Place();
            break;
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::ActivationChange:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette::ColorGroup group =
        mWindow.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    painter.fillRect(rect(), palette().color(group, QPalette::Window));
    painter.setPen(palette().color(group, QPalette::Mid));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    // Right to left the bar mirrors whole: the boxes at the left edge, the icon at the right.
    const QRect icon =
        QStyle::visualRect(layoutDirection(), rect(),
                           QRect(kPadding, (height() - kIconSize) / 2, kIconSize, kIconSize));
    mWindow.windowIcon().paint(&painter, icon);
    painter.setPen(palette().color(mWindow.isActiveWindow() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    // The caption stands in the middle of the bar, or in the middle of the room between the icon
    // and the boxes where it would reach either, cut short where even that room is too narrow.
    const QRect boxes = mMinimise->geometry().united(mClose->geometry());
    const bool boxesRight = boxes.left() > icon.right();
    const int from = (boxesRight ? icon.right() : boxes.right()) + 1 + kPadding;
    const int to = (boxesRight ? boxes.left() : icon.left()) - kPadding;
    const QRect room(from, 0, std::max(0, to - from), height());
    const QString caption =
        fontMetrics().elidedText(mWindow.windowTitle(), Qt::ElideRight, room.width());
    const int across = fontMetrics().horizontalAdvance(caption);
    const int middle = (width() - across) / 2;
    const bool fits = middle >= room.left() && middle + across <= room.right() + 1;
    painter.drawText(fits ? rect() : room, Qt::AlignCenter, caption);
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && mWindow.windowHandle() != nullptr) {
        mWindow.windowHandle()->startSystemMove();
    }
}

void UseOwnTitleBarWhereQtDrawsOne(QMainWindow& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        new DecorationWatch(window);
    }
}
