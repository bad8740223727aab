#include "platform/ScreenWatch.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Lives as a child of the window it watches. It follows the window's native window as it comes
// and the screen it is on, and asks once for however many signals arrive together.
class ScreenWatch : public QObject {
public:
    ScreenWatch(QWidget& window, std::function<void()> changed)
        : QObject(&window), mWindow(window), mChanged(std::move(changed)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &mWindow &&
            (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)) {
            Follow(mWindow.windowHandle());
        }
        return false;
    }

private:
    void Follow(QWindow* native) {
        if (native == mNative) {
            return;
        }
        if (mNative != nullptr) {
            disconnect(mNative, nullptr, this, nullptr);
        }
        mNative = native;
        if (native != nullptr) {
            connect(native, &QWindow::screenChanged, this, &ScreenWatch::OnScreen);
            OnScreen(native->screen());
        }
    }

    void OnScreen(QScreen* screen) {
        if (mScreen != nullptr) {
            disconnect(mScreen, nullptr, this, nullptr);
        }
        mScreen = screen;
        if (screen != nullptr) {
            connect(screen, &QScreen::geometryChanged, this, &ScreenWatch::Ask);
            connect(screen, &QScreen::availableGeometryChanged, this, &ScreenWatch::Ask);
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, &ScreenWatch::Ask);
            connect(screen, &QScreen::physicalDotsPerInchChanged, this, &ScreenWatch::Ask);
        }
        Ask();
    }

    void Ask() {
        if (mAsked) {
            return;
        }
        mAsked = true;
        // Not from inside Qt's own handling: on X11 it resizes the window after telling of its
        // new screen, and the answer must come after that.
        QTimer::singleShot(0, this, [this] {
            mAsked = false;
            mChanged();
        });
    }

    QWidget& mWindow;
    std::function<void()> mChanged;
    QPointer<QWindow> mNative;
    QPointer<QScreen> mScreen;
    bool mAsked = false;
};

} // namespace

void WhenScreenMayChange(QWidget& window, std::function<void()> changed) {
    new ScreenWatch(window, std::move(changed));
}
