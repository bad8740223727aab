#include "platform/DocumentAccessible.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace {

constexpr std::pair<int, int> kNone{-1, -1};

// A blank within a line: not the end of a paragraph or a line.
bool IsBlank(QChar c) {
    return c.isSpace() && c != QChar(QChar::ParagraphSeparator) && c != QChar(QChar::LineSeparator);
}

} // namespace

DocumentAccessible::DocumentAccessible(QTextEdit* view)
    : QAccessibleWidget(view, QAccessible::Document) {}

QTextEdit* DocumentAccessible::View() const {
    return static_cast<QTextEdit*>(widget());
}

QAccessible::State DocumentAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = View()->isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void* DocumentAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int DocumentAccessible::characterCount() const {
    QTextCursor cursor(View()->document());
    cursor.movePosition(QTextCursor::End);
    return cursor.position();
}

QString DocumentAccessible::text(int startOffset, int endOffset) const {
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = std::clamp(endOffset, startOffset, count);
    QTextCursor cursor(View()->document());
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    QString text = cursor.selectedText();
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    return text;
}

std::pair<int, int> DocumentAccessible::UnitAt(int offset,
                                               QAccessible::TextBoundaryType boundaryType) const {
    const QTextDocument* document = View()->document();
    QTextCursor cursor(View()->document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    std::pair<int, int> unit = QAccessible::qAccessibleTextBoundaryHelper(cursor, boundaryType);
    if (boundaryType == QAccessible::WordBoundary) {
        // A word goes on over the blanks after it, as screen readers count words when they
        // tell what a move by words passed over.
        const int count = characterCount();
        while (unit.second < count && IsBlank(document->characterAt(unit.second))) {
            ++unit.second;
        }
    }
    return unit;
}

QString DocumentAccessible::Unit(std::pair<int, int> unit, int* startOffset, int* endOffset) const {
    *startOffset = unit.first;
    *endOffset = unit.second;
    return unit == kNone ? QString() : text(unit.first, unit.second);
}

QString DocumentAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    if (offset < 0 || offset > characterCount()) {
        return Unit(kNone, startOffset, endOffset);
    }
    return Unit(UnitAt(offset, boundaryType), startOffset, endOffset);
}

QString DocumentAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    if (offset < 0 || offset > characterCount()) {
        return Unit(kNone, startOffset, endOffset);
    }
    // The last unit that ends at or before the offset (an empty one: before it).
    std::pair<int, int> unit = UnitAt(offset, boundaryType);
    int position = unit.first;
    while (unit.second > offset || unit.first == offset) {
        position = std::min(position, unit.first) - 1;
        if (position < 0) {
            return Unit(kNone, startOffset, endOffset);
        }
        unit = UnitAt(position, boundaryType);
    }
    return Unit(unit, startOffset, endOffset);
}

QString DocumentAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        return Unit(kNone, startOffset, endOffset);
    }
    // The first unit that starts after the offset.
    std::pair<int, int> unit = UnitAt(offset, boundaryType);
    int position = std::max(unit.second, offset + 1);
    while (unit.first <= offset) {
        if (position > count) {
            return Unit(kNone, startOffset, endOffset);
        }
        unit = UnitAt(position, boundaryType);
        position = std::max(unit.second, position + 1);
    }
    return Unit(unit, startOffset, endOffset);
}

int DocumentAccessible::cursorPosition() const {
    return View()->textCursor().position();
}

void DocumentAccessible::setCursorPosition(int position) {
    QTextCursor cursor = View()->textCursor();
    cursor.setPosition(std::clamp(position, 0, characterCount()));
    View()->setTextCursor(cursor);
}

int DocumentAccessible::selectionCount() const {
    return View()->textCursor().hasSelection() ? 1 : 0;
}

void DocumentAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const QTextCursor cursor = View()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection()) {
        *startOffset = *endOffset = 0;
        return;
    }
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
}

void DocumentAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void DocumentAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        QTextCursor cursor = View()->textCursor();
        cursor.clearSelection();
        View()->setTextCursor(cursor);
    }
}

void DocumentAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) {
        return;
    }
    const int count = characterCount();
    QTextCursor cursor = View()->textCursor();
    cursor.setPosition(std::clamp(startOffset, 0, count));
    cursor.setPosition(std::clamp(endOffset, 0, count), QTextCursor::KeepAnchor);
    View()->setTextCursor(cursor);
}

QRect DocumentAccessible::characterRect(int offset) const {
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    QTextCursor cursor(View()->document());
    cursor.setPosition(offset);
    QRect rect = View()->cursorRect(cursor); // in the viewport, as scrolled
    cursor.setPosition(offset + 1);
    const QRect next = View()->cursorRect(cursor);
    if (next.top() == rect.top() && next.left() > rect.left()) {
        rect.setRight(next.left() - 1); // the character ends where the next one begins
    }
    return QRect(View()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int DocumentAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint inViewport = View()->viewport()->mapFromGlobal(point);
    if (!View()->viewport()->rect().contains(inViewport)) {
        return -1;
    }
    return View()->cursorForPosition(inViewport).position();
}

void DocumentAccessible::scrollToSubstring(int startIndex, int endIndex) {
    Q_UNUSED(endIndex);
    QTextCursor cursor(View()->document());
    cursor.setPosition(std::clamp(startIndex, 0, characterCount()));
    const QRect rect = View()->cursorRect(cursor);
    if (!View()->viewport()->rect().contains(rect)) {
        QScrollBar* bar = View()->verticalScrollBar();
        bar->setValue(bar->value() + rect.top());
    }
}

QString DocumentAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // No attributes, over the whole text.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
