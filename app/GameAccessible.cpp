#include "app/GameAccessible.h"

#include "app/GameArea.h"
#include "app/GameNarration.h"
#include "board/BoardGeometry.h"
#include "platform/WindowSurface.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

#include <deque>
#include <limits>
#include <utility>

namespace {

void Raise(QAccessibleInterface* target, QAccessible::Event type) {
    QAccessibleEvent event(target, type);
    QAccessible::updateAccessibility(&event);
}

void RaiseValue(QAccessibleInterface* target, int32_t value) {
    QAccessibleValueChangeEvent event(target, value);
    QAccessible::updateAccessibility(&event);
}

// The parts of the game area: the side panel's three from the top, each named by the label
// above it, and the board.
enum PartIndex : size_t { kPreview, kYourScore, kHighScore, kBoard, kParts };

// What the area shows and the labels that name its parts; a child of the area, so it goes
// with it.
class FactsSource : public QObject {
public:
    FactsSource(GameArea& area, std::function<GameFacts()> facts, const GameLabels& labels)
        : QObject(&area),
          mFacts(std::move(facts)), mLabels{labels.nextMove, labels.yourScore, labels.highScore} {}

    static const FactsSource* Of(const QObject& area) {
        for (const QObject* child : area.children()) {
            if (const auto* source = dynamic_cast<const FactsSource*>(child)) {
                return source;
            }
        }
        return nullptr;
    }

    GameFacts Facts() const { return mFacts ? mFacts() : GameFacts{}; }
    // The label above a part of the side panel.
    QLabel* LabelWidget(PartIndex which) const { return mLabels.at(which); }

private:
    std::function<GameFacts()> mFacts;
    std::array<QPointer<QLabel>, kBoard> mLabels; // one above each part of the panel
};

GameFacts FactsOf(const GameArea& area) {
    const FactsSource* source = FactsSource::Of(area);
    return source != nullptr ? source->Facts() : GameFacts{};
}

// A part of the game area that has no widget of its own.
class Part : public QAccessibleInterface {
public:
    explicit Part(GameArea* area) : mArea(area) {}

    bool isValid() const override { return !mArea.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return mArea ? mArea->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(mArea.data());
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override { return {}; }

protected:
    GameFacts Facts() const;
    // Whether the keyboard is on this part of the area, as GameArea::Part.
    bool HasKeyboard(GameArea::Part part) const {
        return mArea && mArea->hasFocus() && mArea->FocusedPart() == part;
    }
    QString LabelAbove(PartIndex which) const;
    QRect OnScreen(const RECT& rect) const {
        if (!mArea) {
            return {};
        }
        return QRect(mArea->mapToGlobal(QPoint(rect.left, rect.top)),
                     QSize(rect.right - rect.left, rect.bottom - rect.top));
    }

    QPointer<GameArea> mArea;
};

class BoardAccessible;

class CellAccessible : public Part, public QAccessibleTableCellInterface {
public:
    // index is a cell index, 1 to 100.
    CellAccessible(GameArea* area, const BoardAccessible* board, int32_t index)
        : Part(area), mBoard(board), mIndex(index) {}

    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return {};
        }
        const GameFacts facts = Facts();
        return GameNarration::CellName(mIndex, facts.colours[Slot()], facts.selected[Slot()]);
    }
    QRect rect() const override { return OnScreen(CellRect(mIndex)); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        const GameFacts facts = Facts();
        QAccessible::State s;
        s.selectable = true;
        s.selected = facts.selected[Slot()];
        s.focusable = true;
        s.focused = facts.cursor == mIndex && HasKeyboard(GameArea::Part::Board);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return Facts().selected[Slot()]; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return CellColumn(mIndex) - 1; }
    int rowIndex() const override { return CellRow(mIndex) - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    size_t Slot() const { return static_cast<size_t>(mIndex - 1); }

    const BoardAccessible* mBoard;
    int32_t mIndex;
};

// The answer to a question about a cell that is not on the board. Qt's bridge asks the cell it
// is given for its place and extent without looking whether there is one, so there must be an
// object to ask: it lies nowhere, spans nothing, belongs to no table and is never selected.
class OffBoardCell : public Part, public QAccessibleTableCellInterface {
public:
    using Part::Part;

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
class BoardAccessible : public Part, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(GameArea* area)
        : Part(area), mOffBoard(QAccessible::registerAccessibleInterface(new OffBoardCell(area))) {}
    ~BoardAccessible() override {
        for (const QAccessible::Id id : mCells) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
        QAccessible::deleteAccessibleInterface(mOffBoard);
    }

    // The cell at a cell index, 1 to 100.
    QAccessibleInterface* Cell(int32_t index) const {
        if (!IsCellIndex(index)) {
            return nullptr;
        }
        QAccessible::Id& id = mCells[static_cast<size_t>(index - 1)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new CellAccessible(mArea.data(), this, index));
        }
        return QAccessible::accessibleInterface(id);
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        if (!mArea) {
            return nullptr;
        }
        const QPoint at = mArea->mapFromGlobal(QPoint(x, y));
        for (int32_t index = 1; index <= BOARD_CELLS; ++index) {
            if (PtInRect(CellRect(index), POINT{at.x(), at.y()})) {
                return Cell(index);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* child(int i) const override {
        return i >= 0 && i < BOARD_CELLS ? Cell(CellIndex(i % BOARD_SIDE + 1, i / BOARD_SIDE + 1))
                                         : nullptr;
    }
    int childCount() const override { return BOARD_CELLS; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell != nullptr && cell->table() == this
                   ? cell->rowIndex() * BOARD_SIDE + cell->columnIndex()
                   : -1;
    }
    QAccessibleInterface* focusChild() const override { return Cell(Facts().cursor); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QCoreApplication::translate("GameAccessible", "Board")
                                      : QString();
    }
    QRect rect() const override { return OnScreen(BOARD_AREA); }
    // A group, not a table: screen readers read a table's whole row on every step up or down,
    // and the player wants the cell the cursor lands on. The table's interface stays, for
    // those that ask by row and column.
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        // Counted from 0 here; checked before anything is added, which could overflow.
        const bool onBoard = row >= 0 && row < BOARD_SIDE && column >= 0 && column < BOARD_SIDE;
        return onBoard ? Cell(CellIndex(column + 1, row + 1))
                       : QAccessible::accessibleInterface(mOffBoard);
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        const GameFacts facts = Facts();
        for (int32_t index = 1; index <= BOARD_CELLS; ++index) {
            if (facts.selected[static_cast<size_t>(index - 1)]) {
                cells << Cell(index);
            }
        }
        return cells;
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < BOARD_SIDE
                   ? QCoreApplication::translate("GameAccessible", "column %1").arg(column + 1)
                   : QString();
    }
    QString rowDescription(int row) const override {
        return row >= 0 && row < BOARD_SIDE
                   ? QCoreApplication::translate("GameAccessible", "row %1").arg(row + 1)
                   : QString();
    }
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

GameFacts Part::Facts() const {
    return mArea ? FactsOf(*mArea) : GameFacts{};
}

QString Part::LabelAbove(PartIndex which) const {
    const FactsSource* source = mArea ? FactsSource::Of(*mArea) : nullptr;
    const QLabel* label = source != nullptr ? source->LabelWidget(which) : nullptr;
    return label != nullptr ? label->text() : QString();
}

QAccessibleInterface* CellAccessible::parent() const {
    return const_cast<BoardAccessible*>(mBoard);
}

// A score display, named as its label reads with the number it shows ("Your Score: 50"), which
// is also its value. Tab gives it the keyboard, for screen readers to read it.
class ScoreAccessible : public Part, public QAccessibleValueInterface {
public:
    ScoreAccessible(GameArea* area, bool best) : Part(area), mBest(best) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return QCoreApplication::translate("GameAccessible", "%1 %2")
                .arg(LabelAbove(mBest ? kHighScore : kYourScore))
                .arg(Number());
        case QAccessible::Value:
            return QString::number(Number());
        default:
            return {};
        }
    }
    QRect rect() const override { return OnScreen(ScoreBox(mBest, CLIENT_SCALE_HEIGHT)); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = HasKeyboard(mBest ? GameArea::Part::HighScore : GameArea::Part::YourScore);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : nullptr;
    }

    QVariant currentValue() const override { return Number(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return std::numeric_limits<int32_t>::max(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 10; }

private:
    int32_t Number() const { return mBest ? Facts().best : Facts().score; }

    bool mBest;
};

// The preview: the next colours in the order they will be placed, named as its label reads
// with them ("Next Move: red, blue, green").
class PreviewAccessible : public Part {
public:
    using Part::Part;

    QString text(QAccessible::Text t) const override {
        const QString colours = GameNarration::Colours(Facts().next);
        if (t == QAccessible::Name) {
            return QCoreApplication::translate("GameAccessible", "%1 %2")
                .arg(LabelAbove(kPreview), colours);
        }
        return t == QAccessible::Description || t == QAccessible::Value ? colours : QString();
    }
    QRect rect() const override { return OnScreen(PREVIEW_BOX); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = HasKeyboard(GameArea::Part::NextColours);
        return s;
    }
};

// What one step did, in a few words. Screen readers say a notification as it shows, with no
// need to move there, and the next key cuts it short. Nothing of it is on screen. Its words
// never change: a screen reader reads them when it comes to the event, which may be after the
// next step has been told.
class NotificationAccessible : public Part {
public:
    NotificationAccessible(GameArea* area, QString message)
        : Part(area), mMessage(std::move(message)) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? mMessage : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }

private:
    QString mMessage;
};

// The game area with its parts, in reading order: the board, then the side panel from the
// top, each label before what it names.
class AreaAccessible : public QAccessibleWidget {
public:
    explicit AreaAccessible(GameArea* area) : QAccessibleWidget(area, QAccessible::Client) {}
    ~AreaAccessible() override {
        for (const QAccessible::Id id : mParts) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
        for (const QAccessible::Id id : mTold) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    QAccessibleInterface* PartAt(PartIndex which) const {
        QAccessible::Id& id = mParts.at(which);
        if (id == 0) {
            auto* area = static_cast<GameArea*>(widget());
            QAccessibleInterface* part = nullptr;
            switch (which) {
            case kBoard:
                part = new BoardAccessible(area);
                break;
            case kPreview:
                part = new PreviewAccessible(area);
                break;
            default:
                part = new ScoreAccessible(area, which == kHighScore);
                break;
            }
            id = QAccessible::registerAccessibleInterface(part);
        }
        return QAccessible::accessibleInterface(id);
    }
    QAccessibleInterface* Cell(int32_t index) const {
        return static_cast<BoardAccessible*>(PartAt(kBoard))->Cell(index);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QCoreApplication::translate("GameAccessible", "Play area")
                                      : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> children = Children();
        return index >= 0 && index < children.size() ? children[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(Children().indexOf(const_cast<QAccessibleInterface*>(child)));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QAccessibleInterface* child : Children()) {
            if (child->rect().contains(x, y)) {
                return child;
            }
        }
        return nullptr;
    }
    // The cell under the cursor, or the part of the side panel that Tab gave the keyboard.
    QAccessibleInterface* focusChild() const override {
        switch (static_cast<GameArea*>(widget())->FocusedPart()) {
        case GameArea::Part::NextColours:
            return PartAt(kPreview);
        case GameArea::Part::YourScore:
            return PartAt(kYourScore);
        case GameArea::Part::HighScore:
            return PartAt(kHighScore);
        case GameArea::Part::Board:
            break;
        }
        return PartAt(kBoard)->focusChild();
    }
    // The accounts kept are the area's last children, the newest last; screen readers that
    // keep a copy of the tree are told of each one that comes and goes.
    void Tell(const QString& message) {
        auto* notification = new NotificationAccessible(static_cast<GameArea*>(widget()), message);
        mTold.push_back(QAccessible::registerAccessibleInterface(notification));
        Raise(notification, QAccessible::ObjectCreated);
        // A screen reader falls behind by a step or two at most, when keys come quickly.
        constexpr size_t kKept = 4;
        if (mTold.size() > kKept) {
            Raise(QAccessible::accessibleInterface(mTold.front()), QAccessible::ObjectDestroyed);
            QAccessible::deleteAccessibleInterface(mTold.front());
            mTold.pop_front();
        }
        Raise(notification, QAccessible::ObjectShow);
    }

private:
    QList<QAccessibleInterface*> Children() const {
        QList<QAccessibleInterface*> children{PartAt(kBoard)};
        const FactsSource* source = FactsSource::Of(*widget());
        for (const PartIndex part : {kPreview, kYourScore, kHighScore}) {
            if (QLabel* label = source != nullptr ? source->LabelWidget(part) : nullptr) {
                children << QAccessible::queryAccessibleInterface(label);
            }
            children << PartAt(part);
        }
        for (const QAccessible::Id id : mTold) {
            children << QAccessible::accessibleInterface(id);
        }
        return children;
    }

    mutable std::array<QAccessible::Id, kParts> mParts{};
    std::deque<QAccessible::Id> mTold; // the last accounts, the newest last
};

QAccessibleInterface* AreaFactory(const QString&, QObject* object) {
    auto* area = qobject_cast<GameArea*>(object);
    return area != nullptr ? new AreaAccessible(area) : nullptr;
}

AreaAccessible* AccessibleOf(GameArea& area) {
    return dynamic_cast<AreaAccessible*>(QAccessible::queryAccessibleInterface(&area));
}

} // namespace

void MakeGameAccessible(GameArea& area, std::function<GameFacts()> facts,
                        const GameLabels& labels) {
    QAccessible::installFactory(AreaFactory); // Qt keeps one of each, however often asked
    new FactsSource(area, std::move(facts), labels);
}

GameAnnouncer::GameAnnouncer(GameArea& area) : mArea(area), mLast(FactsOf(area)) {}

void GameAnnouncer::Hear(const GameHappening& happening) {
    mStep << happening;
}

void GameAnnouncer::Announce() {
    // The last step is remembered even while nobody listens, so that a screen reader that
    // starts in the middle of a game hears only what changes from then on.
    const GameFacts now = FactsOf(mArea);
    const GameFacts last = std::exchange(mLast, now);
    const QList<GameHappening> step = std::exchange(mStep, {});
    if (!QAccessible::isActive()) {
        return;
    }
    AreaAccessible* area = AccessibleOf(mArea);
    if (area == nullptr) {
        return;
    }
    for (int32_t index = 1; index <= BOARD_CELLS; ++index) {
        const auto slot = static_cast<size_t>(index - 1);
        if (now.colours[slot] != last.colours[slot]) {
            Raise(area->Cell(index), QAccessible::NameChanged);
        }
        if (now.selected[slot] != last.selected[slot]) {
            // Screen readers hear a selection event as the cell's selected state changing.
            Raise(area->Cell(index),
                  now.selected[slot] ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
        }
    }
    if (now.score != last.score) {
        RaiseValue(area->PartAt(kYourScore), now.score);
    }
    if (now.best != last.best) {
        RaiseValue(area->PartAt(kHighScore), now.best);
    }
    if ((now.cursor != last.cursor || now.part != last.part) && mArea.hasFocus()) {
        Raise(area->focusChild(), QAccessible::Focus);
    }
    // One account a step: a second would cut the first short.
    const QString account = GameNarration::Account(step, now.next);
    if (!account.isEmpty()) {
        area->Tell(account);
    }
}

void GameAnnouncer::TellFocus() {
    if (!QAccessible::isActive() || !mArea.hasFocus()) {
        return;
    }
    if (AreaAccessible* area = AccessibleOf(mArea)) {
        Raise(area->focusChild(), QAccessible::Focus);
    }
}
