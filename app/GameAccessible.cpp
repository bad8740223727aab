#include "app/GameAccessible.h"

#include "app/GameArea.h"
#include "board/BoardGeometry.h"
#include "platform/WindowSurface.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

#include <limits>
#include <utility>

namespace {

QString ColourName(int32_t colour) {
    static const std::array<const char*, 7> names{"red",  "blue",    "green", "yellow",
                                                  "cyan", "magenta", "orange"};
    return colour >= 0 && colour < 7 ? QString::fromLatin1(names[static_cast<size_t>(colour)])
                                     : QStringLiteral("empty");
}

// What the area shows and the labels that name its parts; a child of the area, so it goes
// with it.
class FactsSource : public QObject {
public:
    FactsSource(GameArea& area, std::function<GameFacts()> facts, const GameLabels& labels)
        : QObject(&area), mArea(area),
          mFacts(std::move(facts)), mLabels{labels.nextMove, labels.yourScore, labels.highScore} {}

    static const FactsSource* Of(const QObject& area) {
        for (const QObject* child : area.children()) {
            if (const auto* source = dynamic_cast<const FactsSource*>(child)) {
                return source;
            }
        }
        return nullptr;
    }

    GameFacts Facts() const {
        GameFacts facts = mFacts ? mFacts() : GameFacts{};
        facts.cursor = mArea.CursorCell();
        return facts;
    }
    QLabel* Label(size_t which) const { return mLabels.at(which); }

private:
    GameArea& mArea;
    std::function<GameFacts()> mFacts;
    std::array<QPointer<QLabel>, 3> mLabels;
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
        return QStringLiteral("row %1, column %2, %3")
            .arg(CellRow(mIndex))
            .arg(CellColumn(mIndex))
            .arg(ColourName(Facts().colours[Slot()]));
    }
    QRect rect() const override { return OnScreen(CellRect(mIndex)); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        const GameFacts facts = Facts();
        QAccessible::State s;
        s.selectable = true;
        s.selected = facts.selected[Slot()];
        s.focusable = true;
        s.focused = facts.cursor == mIndex && mArea && mArea->hasFocus();
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
    QAccessibleInterface* focusChild() const override {
        const std::optional<int32_t> cursor = Facts().cursor;
        return cursor ? Cell(*cursor) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Board") : QString();
    }
    QRect rect() const override { return OnScreen(BOARD_AREA); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return IsOnBoard(column + 1, row + 1) ? Cell(CellIndex(column + 1, row + 1))
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
        return column >= 0 && column < BOARD_SIDE ? QStringLiteral("column %1").arg(column + 1)
                                                  : QString();
    }
    QString rowDescription(int row) const override {
        return row >= 0 && row < BOARD_SIDE ? QStringLiteral("row %1").arg(row + 1) : QString();
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

QAccessibleInterface* CellAccessible::parent() const {
    return const_cast<BoardAccessible*>(mBoard);
}

// A score display: its name, and the number it shows as its value.
class ScoreAccessible : public Part, public QAccessibleValueInterface {
public:
    ScoreAccessible(GameArea* area, bool best) : Part(area), mBest(best) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return mBest ? QStringLiteral("High Score") : QStringLiteral("Your Score");
        case QAccessible::Value:
            return QString::number(Number());
        default:
            return {};
        }
    }
    QRect rect() const override { return OnScreen(ScoreBox(mBest, CLIENT_SCALE_HEIGHT)); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
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

// The preview: the next colours in the order they will be placed.
class PreviewAccessible : public Part {
public:
    using Part::Part;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return QStringLiteral("Next colours");
        }
        if (t == QAccessible::Description || t == QAccessible::Value) {
            const GameFacts facts = Facts();
            QStringList colours;
            for (const int32_t colour : facts.next) {
                colours << ColourName(colour);
            }
            return colours.join(QStringLiteral(", "));
        }
        return {};
    }
    QRect rect() const override { return OnScreen(PREVIEW_BOX); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
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
    }

    enum PartIndex : size_t { kPreview, kYourScore, kHighScore, kBoard, kParts };

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
        return t == QAccessible::Name ? QStringLiteral("Game") : QAccessibleWidget::text(t);
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
    QAccessibleInterface* focusChild() const override { return PartAt(kBoard)->focusChild(); }

private:
    QList<QAccessibleInterface*> Children() const {
        QList<QAccessibleInterface*> children{PartAt(kBoard)};
        const FactsSource* source = FactsSource::Of(*widget());
        for (const PartIndex part : {kPreview, kYourScore, kHighScore}) {
            if (QLabel* label = source != nullptr ? source->Label(part) : nullptr) {
                children << QAccessible::queryAccessibleInterface(label);
            }
            children << PartAt(part);
        }
        return children;
    }

    mutable std::array<QAccessible::Id, kParts> mParts{};
};

QAccessibleInterface* AreaFactory(const QString&, QObject* object) {
    auto* area = qobject_cast<GameArea*>(object);
    return area != nullptr ? new AreaAccessible(area) : nullptr;
}

void Raise(QAccessibleInterface* target, QAccessible::Event type) {
    QAccessibleEvent event(target, type);
    QAccessible::updateAccessibility(&event);
}

void RaiseValue(QAccessibleInterface* target, int32_t value) {
    QAccessibleValueChangeEvent event(target, value);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void MakeGameAccessible(GameArea& area, std::function<GameFacts()> facts,
                        const GameLabels& labels) {
    static const bool installed = [] {
        QAccessible::installFactory(AreaFactory);
        return true;
    }();
    Q_UNUSED(installed);
    new FactsSource(area, std::move(facts), labels);
}

GameAnnouncer::GameAnnouncer(GameArea& area) : mArea(area), mLast(FactsOf(area)) {}

void GameAnnouncer::Announce() {
    // The last step is remembered even while nobody listens, so that a screen reader that
    // starts in the middle of a game hears only what changes from then on.
    const GameFacts now = FactsOf(mArea);
    const GameFacts last = std::exchange(mLast, now);
    if (!QAccessible::isActive() || now == last) {
        return;
    }
    auto* area = dynamic_cast<AreaAccessible*>(QAccessible::queryAccessibleInterface(&mArea));
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
        RaiseValue(area->PartAt(AreaAccessible::kYourScore), now.score);
    }
    if (now.best != last.best) {
        RaiseValue(area->PartAt(AreaAccessible::kHighScore), now.best);
    }
    if (now.next != last.next) {
        Raise(area->PartAt(AreaAccessible::kPreview), QAccessible::DescriptionChanged);
    }
    if (now.cursor && now.cursor != last.cursor && mArea.hasFocus()) {
        Raise(area->Cell(*now.cursor), QAccessible::Focus);
    }
}
