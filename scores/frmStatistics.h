#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QLabel;
class QPushButton;
class clsStatistics;

// Shows the High Score table, read afresh each time the window is made.
class frmStatistics : public QDialog {
    Q_OBJECT

public:
    frmStatistics(const clsStatistics& statistics, QWidget* owner);

    static constexpr int ROWS = 10;

private:
    void Form_Load();
    void cmdOK_Click();
    QString RowText(int row) const; // as screen readers read it

    const clsStatistics& mStatistics;
    QLabel* imgOrbet;
    std::array<QLabel*, ROWS> lblRank{};
    std::array<QLabel*, ROWS> lblPlayer{};
    std::array<QLabel*, ROWS> lblScore{};
    std::array<QString, ROWS> mNames; // whole, as read when the window was made
    QPushButton* cmdOK;
};
