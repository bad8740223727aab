#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class clsStatistics;

// Asks for the name to record with a high score; the score comes in as text in Tag.
class frmNameInput : public QDialog {
    Q_OBJECT

public:
    frmNameInput(clsStatistics& statistics, QWidget* owner);

    void setTag(const QString& Tag) { mstrTag = Tag; }
    QString Tag() const { return mstrTag; }

    static constexpr int MAX_NAME_LENGTH = 25;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    clsStatistics& mStatistics;
    QString mstrTag;
    QLabel* Label1;
    QLineEdit* txtName;
    QPushButton* cmdCancel;
    QPushButton* cmdOK;
};
