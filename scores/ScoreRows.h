#pragma once

#include <QWidget>

#include <functional>

// The High Score rows for the keyboard and screen readers. It lies over the rows, paints
// nothing and lets the pointer through to them; Tab reaches it, Up, Down, Home and End choose a
// row, and screen readers see a list whose items read as the rows do ("1, Ann, 300").
class ScoreRows : public QWidget {
    Q_OBJECT

public:
    // rowText(row) is what a row reads, the first row being 0.
    ScoreRows(QWidget* parent, int rows, std::function<QString(int)> rowText);

    int Rows() const { return mRows; }
    int Current() const { return mCurrent; }
    QString RowText(int row) const { return mRowText(row); }
    QRect RowRect(int row) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void SetCurrent(int row);
    void RaiseFocus();

    int mRows;
    std::function<QString(int)> mRowText;
    int mCurrent = 0;
};
