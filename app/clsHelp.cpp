#include "app/clsHelp.h"

#include "platform/HelpViewer.h"

void clsHelp::DisplayHelp(QWidget* lngWinHandle, const QString& Topic) const {
    HtmlHelp(lngWinHandle, mstrHelpFile, Topic);
}
