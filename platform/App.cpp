#include "platform/App.h"

QIcon App::Icon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/orbet-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/orbet-32.png"), QSize(32, 32));
    return icon;
}
