#pragma once

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
