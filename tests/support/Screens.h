#pragma once

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QScreen>
#include <QSize>
#include <QTest>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>

// Two screens side by side, each with its own scale, as the offscreen platform takes them:
// "one", where windows open, and "two" to its right, each of a size in device pixels. A screen
// whose scale changes keeps its name.
inline void SetScreens(qreal one, qreal two, QSize size = QSize(1000, 800)) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using Set = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    const auto set =
        reinterpret_cast<Set>(native->nativeResourceForIntegration("setConfiguration"));
    QVERIFY(set != nullptr);
    auto screen = [size](const char* name, int x, qreal scale) {
        return QJsonObject{{"name", name},
                           {"x", x},
                           {"y", 0},
                           {"width", size.width()},
                           {"height", size.height()},
                           {"logicalDpi", qRound(96 * scale)},
                           {"logicalBaseDpi", 96}};
    };
    set(QJsonObject{{"screens",
                     QJsonArray{screen("one", 0, one), screen("two", size.width(), two)}}},
        native);
    QWindowSystemInterface::flushWindowSystemEvents(); // the screens' signals now, not later
}

inline QScreen* Screen(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name) {
            return screen;
        }
    }
    return nullptr;
}
