#pragma once

#include <QAccessible>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Whether screen readers listen, as Qt's bridge to them has it: on, as for a player with a
// screen reader, or off, as for one without. Without the bridge (Qt's offscreen platform)
// nobody listens, and this does nothing.
inline void ScreenReaderListening(bool listening) {
    if (QPlatformAccessibility* bridge =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        bridge->setActive(listening);
    }
}

// Whether Qt's bridge to screen readers is up, given the seconds it takes to reach the
// accessibility bus. It is when the test runs with tests/support/on_accessibility_bus.sh.
inline bool BridgeIsUp() {
    return QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000);
}
