#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// A part of a widget as screen readers see it, with no widget of its own: it belongs to the
// widget's window, has no children and takes no text. Nothing of it is valid once the widget
// has gone.
class WidgetPartAccessible : public QAccessibleInterface {
public:
    explicit WidgetPartAccessible(QWidget* owner) : mOwner(owner) {}

    bool isValid() const override { return !mOwner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return mOwner ? mOwner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(mOwner.data());
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override { return {}; }

protected:
    // Where a rectangle of the widget lies on the screen.
    QRect OnScreen(const QRect& rect) const {
        return mOwner ? QRect(mOwner->mapToGlobal(rect.topLeft()), rect.size()) : QRect();
    }

    QPointer<QWidget> mOwner;
};
