#include "scores/ScoreRows.h"

#include "platform/WidgetPartAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace {

// One row as a screen reader sees it: an item of the list, named by what the row shows.
class RowAccessible : public WidgetPartAccessible {
public:
    RowAccessible(ScoreRows* rows, int row) : WidgetPartAccessible(rows), mRow(row) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && Rows() ? Rows()->RowText(mRow) : QString();
    }
    QRect rect() const override { return Rows() ? OnScreen(Rows()->RowRect(mRow)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const ScoreRows* rows = Rows();
        if (rows == nullptr) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.selected = rows->Current() == mRow;
        state.focused = state.selected && rows->hasFocus();
        state.invisible = !rows->isVisible();
        return state;
    }

private:
    ScoreRows* Rows() const { return static_cast<ScoreRows*>(mOwner.data()); }

    int mRow;
};

// The rows as a list of items, the current row holding the list's focus.
class RowsAccessible : public QAccessibleWidget {
public:
    explicit RowsAccessible(ScoreRows* rows) : QAccessibleWidget(rows, QAccessible::List) {
        for (int row = 0; row < rows->Rows(); ++row) {
            mIds.push_back(QAccessible::registerAccessibleInterface(new RowAccessible(rows, row)));
        }
    }
    ~RowsAccessible() override {
        for (const QAccessible::Id id : mIds) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    RowsAccessible(const RowsAccessible&) = delete;
    RowsAccessible& operator=(const RowsAccessible&) = delete;

    int childCount() const override { return static_cast<int>(mIds.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount()
                   ? QAccessible::accessibleInterface(mIds[static_cast<size_t>(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* item) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (child(index) == item) {
                return index;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (child(index)->rect().contains(x, y)) {
                return child(index);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        auto* rows = static_cast<ScoreRows*>(widget());
        return rows->hasFocus() ? child(rows->Current()) : nullptr;
    }

private:
    std::vector<QAccessible::Id> mIds;
};

QAccessibleInterface* RowsFactory(const QString&, QObject* object) {
    auto* rows = qobject_cast<ScoreRows*>(object);
    return rows != nullptr ? new RowsAccessible(rows) : nullptr;
}

} // namespace

ScoreRows::ScoreRows(QWidget* parent, int rows, std::function<QString(int)> rowText)
    : QWidget(parent), mRows(rows), mRowText(std::move(rowText)) {
    QAccessible::installFactory(RowsFactory); // Qt keeps one of each, however often asked
    setFocusPolicy(Qt::TabFocus);
    // The pointer reaches the rows beneath, and their tooltips, as if this were not there.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect ScoreRows::RowRect(int row) const {
    const int height = mRows > 0 ? this->height() / mRows : 0;
    return QRect(0, row * height, width(), height);
}

void ScoreRows::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
        SetCurrent(mCurrent - 1);
        break;
    case Qt::Key_Down:
        SetCurrent(mCurrent + 1);
        break;
    case Qt::Key_Home:
        SetCurrent(0);
        break;
    case Qt::Key_End:
        SetCurrent(mRows - 1);
        break;
    default:
        QWidget::keyPressEvent(event); // Enter and Esc go on to the window
        return;
    }
    event->accept();
}

void ScoreRows::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Qt tells screen readers that this has the focus after this returns: the row follows.
    QMetaObject::invokeMethod(this, &ScoreRows::RaiseFocus, Qt::QueuedConnection);
}

void ScoreRows::SetCurrent(int row) {
    row = std::clamp(row, 0, std::max(mRows - 1, 0));
    if (row == mCurrent) {
        return;
    }
    mCurrent = row;
    RaiseFocus();
}

void ScoreRows::RaiseFocus() {
    if (!hasFocus() || !QAccessible::isActive()) {
        return;
    }
    if (QAccessibleInterface* row = QAccessible::queryAccessibleInterface(this)->child(mCurrent)) {
        QAccessibleEvent event(row, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}
