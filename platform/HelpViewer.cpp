#include "platform/HelpViewer.h"

#include <QCoreApplication>

#include "platform/HelpBrowser.h"
#include "platform/Isolated.h"

#include <QFileInfo>
#include <QPointer>
#include <QUrl>

namespace {

QPointer<QTextBrowser>& Viewer() {
    static QPointer<QTextBrowser> viewer;
    return viewer;
}

QTextBrowser* ViewerFor(QWidget* window) {
    QPointer<QTextBrowser>& viewer = Viewer();
    if (viewer.isNull() || viewer->parentWidget() != window) {
        delete viewer.data();
        viewer = new HelpBrowser(window);
        viewer->setWindowFlag(Qt::Window);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setOpenExternalLinks(true);
        viewer->resize(560, 480);
    }
    return viewer;
}

} // namespace

void HtmlHelp(QWidget* window, const QString& file, const QString& topic) {
    QTextBrowser* viewer = ViewerFor(window);
    if (QFileInfo(file).isFile()) {
        QUrl url = QUrl::fromLocalFile(file);
        if (!topic.isEmpty()) {
            url.setFragment(topic);
        }
        viewer->setSource(url, QTextDocument::HtmlResource);
        viewer->setWindowTitle(viewer->documentTitle());
    } else {
        viewer->setWindowTitle(QCoreApplication::translate("HelpViewer", "Help"));
        viewer->setPlainText(
            QCoreApplication::translate("HelpViewer", "The help file %1 could not be found.")
                .arg(IsolatedLeftToRight(file)));
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}
