#pragma once

// The parts of a game area as screen readers see them, for the sources that make them up: the
// board and its cells in BoardAccessible.cpp, the area and its side panel in GameAccessible.cpp,
// the notifications in GameAnnouncer.cpp. Not for the rest of the program, which uses
// GameAccessible.h.

#include "app/GameArea.h"
#include "board/AreaLayout.h"
#include "platform/WidgetPartAccessible.h"

#include <QAccessibleWidget>

#include <array>
#include <limits>

class clsGame;

// A part of the game area, which answers from the area and its game as they stand.
class GamePartAccessible : public WidgetPartAccessible {
public:
    explicit GamePartAccessible(GameArea* area) : WidgetPartAccessible(area) {}

protected:
    GameArea* Area() const { return static_cast<GameArea*>(mOwner.data()); }
    const clsGame* Game() const { return Area() != nullptr ? Area()->Game() : nullptr; }
    // What a cell holds: its colour (-1 when empty) and whether its ball is taken up.
    int32_t ColourAt(int32_t index) const;
    bool SelectedAt(int32_t index) const;
    bool HasKeyboard(GameArea::Part part) const {
        return Area() != nullptr && Area()->hasFocus() && Area()->FocusedPart() == part;
    }
    // Where a rectangle of the game lies on the screen, the area zoomed.
    QRect OnScreen(const RECT& rect) const {
        return WidgetPartAccessible::OnScreen(Zoomed(rect, Area() != nullptr ? Area()->Zoom() : 1));
    }
};

class BoardAccessible;

class CellAccessible : public GamePartAccessible, public QAccessibleTableCellInterface {
public:
    // index is a cell index, 1 to 100.
    CellAccessible(GameArea* area, const BoardAccessible* board, int32_t index)
        : GamePartAccessible(area), mBoard(board), mIndex(index) {}

    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override { return OnScreen(CellRect(mIndex)); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return SelectedAt(mIndex); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return CellColumn(mIndex) - 1; }
    int rowIndex() const override { return CellRow(mIndex) - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const BoardAccessible* mBoard;
    int32_t mIndex;
};

// The answer to a question about a cell that is not on the board. Qt's bridge asks the cell it
// is given for its place and extent without looking whether there is one, so there must be an
// object to ask: it lies nowhere, spans nothing, belongs to no table and is never selected.
class OffBoardCell : public GamePartAccessible, public QAccessibleTableCellInterface {
public:
    using GamePartAccessible::GamePartAccessible;

    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return -1; }
    int rowIndex() const override { return -1; }
    int columnExtent() const override { return 0; }
    int rowExtent() const override { return 0; }
    QAccessibleInterface* table() const override { return nullptr; }
};

// The board as a table, read row by row; its cells are made when first asked for. Rows,
// columns and indexes come from other programs and are checked before they are used.
class BoardAccessible : public GamePartAccessible, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(GameArea* area);
    ~BoardAccessible() override;

    // The cell at a cell index, 1 to 100.
    QAccessibleInterface* Cell(int32_t index) const;

    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int i) const override;
    int childCount() const override { return BOARD_CELLS; }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override { return OnScreen(PartBox(GameArea::Part::Board)); }
    // A group, not a table: screen readers read a table's whole row on every step up or down,
    // and the player wants the cell the cursor lands on. The table's interface stays, for
    // those that ask by row and column.
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return BOARD_SIDE; }
    int rowCount() const override { return BOARD_SIDE; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<QAccessible::Id, BOARD_CELLS> mCells{};
    QAccessible::Id mOffBoard;
};

// A score display, named as its label reads with the number it shows ("Your Score: 50"), which
// is also its value. Tab gives it the keyboard, for screen readers to read it.
class ScoreAccessible : public GamePartAccessible, public QAccessibleValueInterface {
public:
    ScoreAccessible(GameArea* area, bool best) : GamePartAccessible(area), mBest(best) {}

    QString text(QAccessible::Text t) const override;
    QRect rect() const override { return OnScreen(PartBox(Shown())); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : nullptr;
    }

    QVariant currentValue() const override { return Number(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return std::numeric_limits<int32_t>::max(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override;

private:
    GameArea::Part Shown() const {
        return mBest ? GameArea::Part::HighScore : GameArea::Part::YourScore;
    }
    int32_t Number() const;

    bool mBest;
};

// The preview: the next colours in the order they will be placed, named as its label reads
// with them ("Next Move: red, blue, green").
class PreviewAccessible : public GamePartAccessible {
public:
    using GamePartAccessible::GamePartAccessible;

    QString text(QAccessible::Text t) const override;
    QRect rect() const override { return OnScreen(PartBox(GameArea::Part::NextColours)); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
};

// What the last step did, in a few words. Screen readers say a notification as it shows, with
// no need to move there, and the next key cuts it short. Nothing of it is on screen. It lives
// as long as the area: a screen reader that falls behind reads it late, and then hears the
// newest step rather than asking after an object that is gone.
class NotificationAccessible : public GamePartAccessible {
public:
    using GamePartAccessible::GamePartAccessible;

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? mMessage : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    void setMessage(const QString& message) { mMessage = message; }

private:
    QString mMessage;
};

// The game area with its parts, in reading order: the board, then the side panel from the
// top, each label before what it names, then the account of the last step.
class AreaAccessible : public QAccessibleWidget {
public:
    explicit AreaAccessible(GameArea* area) : QAccessibleWidget(area, QAccessible::Client) {}
    ~AreaAccessible() override;

    QAccessibleInterface* PartAt(GameArea::Part part) const;
    QAccessibleInterface* Cell(int32_t index) const {
        return static_cast<BoardAccessible*>(PartAt(GameArea::Part::Board))->Cell(index);
    }
    // Tells the account of a step, for screen readers to say as it shows.
    void Tell(const QString& message);

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(Children().indexOf(const_cast<QAccessibleInterface*>(child)));
    }
    QAccessibleInterface* childAt(int x, int y) const override;
    // The cell under the cursor, or the part of the side panel that Tab gave the keyboard.
    QAccessibleInterface* focusChild() const override;

private:
    GameArea* Area() const { return static_cast<GameArea*>(widget()); }
    QList<QAccessibleInterface*> Children() const;
    NotificationAccessible* Notification() const;

    mutable std::array<QAccessible::Id, GameArea::PARTS> mParts{};
    mutable QAccessible::Id mTold = 0; // the account of the last step
};
