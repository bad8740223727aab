#include "app/GameAccessible_p.h"

#include "app/GameNarration.h"
#include "game/clsGame.h"

int32_t GamePartAccessible::ColourAt(int32_t index) const {
    return Game() != nullptr ? Game()->CellColour(index) : -1;
}

bool GamePartAccessible::SelectedAt(int32_t index) const {
    return Game() != nullptr && Game()->CellSelected(index);
}

QAccessibleInterface* CellAccessible::parent() const {
    return const_cast<BoardAccessible*>(mBoard);
}

QString CellAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name
               ? GameNarration::CellName(mIndex, ColourAt(mIndex), SelectedAt(mIndex))
               : QString();
}

QAccessible::State CellAccessible::state() const {
    QAccessible::State s;
    s.selectable = true;
    s.selected = SelectedAt(mIndex);
    s.focusable = true;
    s.focused =
        Area() != nullptr && Area()->Cursor() == mIndex && HasKeyboard(GameArea::Part::Board);
    return s;
}

BoardAccessible::BoardAccessible(GameArea* area)
    : GamePartAccessible(area),
      mOffBoard(QAccessible::registerAccessibleInterface(new OffBoardCell(area))) {}

BoardAccessible::~BoardAccessible() {
    for (const QAccessible::Id id : mCells) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    QAccessible::deleteAccessibleInterface(mOffBoard);
}

QAccessibleInterface* BoardAccessible::Cell(int32_t index) const {
    if (!IsCellIndex(index)) {
        return nullptr;
    }
    QAccessible::Id& id = mCells[static_cast<size_t>(index - 1)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new CellAccessible(Area(), this, index));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    if (Area() == nullptr) {
        return nullptr;
    }
    const QPoint at = Area()->mapFromGlobal(QPoint(x, y));
    for (int32_t index = 1; index <= BOARD_CELLS; ++index) {
        if (Zoomed(CellRect(index), Area()->Zoom()).contains(at)) {
            return Cell(index);
        }
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::child(int i) const {
    return i >= 0 && i < BOARD_CELLS ? Cell(CellIndex(i % BOARD_SIDE + 1, i / BOARD_SIDE + 1))
                                     : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell != nullptr && cell->table() == this
               ? cell->rowIndex() * BOARD_SIDE + cell->columnIndex()
               : -1;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    return Area() != nullptr ? Cell(Area()->Cursor()) : nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QCoreApplication::translate("GameAccessible", "Board")
                                  : QString();
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : nullptr;
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
    // Counted from 0 here; checked before anything is added, which could overflow.
    const bool onBoard = row >= 0 && row < BOARD_SIDE && column >= 0 && column < BOARD_SIDE;
    return onBoard ? Cell(CellIndex(column + 1, row + 1))
                   : QAccessible::accessibleInterface(mOffBoard);
}

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int32_t index = 1; index <= BOARD_CELLS; ++index) {
        if (SelectedAt(index)) {
            cells << Cell(index);
        }
    }
    return cells;
}

QString BoardAccessible::columnDescription(int column) const {
    return column >= 0 && column < BOARD_SIDE
               ? QCoreApplication::translate("GameAccessible", "column %1").arg(column + 1)
               : QString();
}

QString BoardAccessible::rowDescription(int row) const {
    return row >= 0 && row < BOARD_SIDE
               ? QCoreApplication::translate("GameAccessible", "row %1").arg(row + 1)
               : QString();
}
