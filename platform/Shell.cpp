#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

std::function<void(const QString&, const QString&)>& Handler() {
    static std::function<void(const QString&, const QString&)> handler;
    return handler;
}

} // namespace

void SetShellHandler(std::function<void(const QString&, const QString&)> handler) {
    Handler() = std::move(handler);
}

void ShellExecute(const QString& strOperation, const QString& strFile) {
    if (Handler()) {
        Handler()(strOperation, strFile);
        return;
    }
    QDesktopServices::openUrl(QUrl(strFile));
}
