#include "platform/App.h"

#include <QCoreApplication>

QString App::LegalCopyright() {
    return QCoreApplication::translate("App", "Copyright \u00A9 2026 %1. All rights reserved.")
        .arg(Maker());
}

const QIcon& App::Icon() {
    // One icon for the whole run: each new one would add fresh copies of its images to Qt's
    // image cache.
    static const QIcon icon = [] {
        QIcon made;
        made.addFile(QStringLiteral(":/icons/orbet-16.png"), QSize(16, 16));
        made.addFile(QStringLiteral(":/icons/orbet-32.png"), QSize(32, 32));
        return made;
    }();
    return icon;
}
