#pragma once

#include <QString>

class QWidget;

// Knows where the help file lies and opens it in the help viewer.
class clsHelp {
public:
    void setHelpFile(const QString& strHelpFile) { mstrHelpFile = strHelpFile; }
    QString HelpFile() const { return mstrHelpFile; }
    void DisplayHelp(QWidget* lngWinHandle, const QString& Topic) const;

private:
    QString mstrHelpFile;
};
