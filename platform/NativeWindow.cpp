#include "platform/NativeWindow.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

namespace {

// Lives as a child of the window it watches, and stops watching with it.
class LostWindowWatch : public QObject, public QAbstractNativeEventFilter {
public:
    LostWindowWatch(QWidget& window, std::function<void()> lost)
        : QObject(&window), mWindow(window), mLost(std::move(lost)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~LostWindowWatch() override {
        if (QCoreApplication* application = QCoreApplication::instance()) {
            application->removeNativeEventFilter(this);
        }
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) {
            return false;
        }
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        const WId native = mWindow.internalWinId();
        if (native != 0 && destroyed->window == native) {
            QTimer::singleShot(0, this, mLost); // not from inside the window system's dispatch
        }
        return false;
    }

private:
    QWidget& mWindow;
    std::function<void()> mLost;
};

} // namespace

void WhenNativeWindowLost(QWidget& window, std::function<void()> lost) {
    new LostWindowWatch(window, std::move(lost));
}
