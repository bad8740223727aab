#pragma once

#include <QAccessibleWidget>

#include <utility>

class QTextEdit;

// A read-only text view as screen readers should see it: a document, read by its own caret by
// character, word, sentence, line or paragraph. Qt shows such a view as a label, which screen
// readers announce as a label and do not read as a text to move about in.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccessible(QTextEdit* view);

    QAccessible::Role role() const override { return QAccessible::Document; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The text, as offsets into the whole of it, paragraphs ending in '\n'.
    QString text(int startOffset, int endOffset) const override;
    using QAccessibleWidget::text;
    int characterCount() const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;

    // The caret and the selection are the view's own.
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    int selectionCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;

    // Where the text stands on the screen.
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QTextEdit* View() const;
    // The boundaries of the unit of text at an offset, the offset kept within the text.
    std::pair<int, int> UnitAt(int offset, QAccessible::TextBoundaryType boundaryType) const;
    QString Unit(std::pair<int, int> unit, int* startOffset, int* endOffset) const;
};
