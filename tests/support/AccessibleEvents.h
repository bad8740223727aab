#pragma once

#include <QAccessible>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <iterator>

// Records, for as long as it lives, the events Qt would send screen readers, where its bridge
// to them would take them. Qt raises them only while its bridge is up and a screen reader
// listens: run the test with tests/support/on_accessibility_bus.sh.
class AccessibleEvents {
public:
    AccessibleEvents() {
        Log() = &mEvents;
        mPrevious = QAccessible::installUpdateHandler(&Record);
    }
    ~AccessibleEvents() {
        QAccessible::installUpdateHandler(mPrevious);
        Log() = nullptr;
    }
    AccessibleEvents(const AccessibleEvents&) = delete;
    AccessibleEvents& operator=(const AccessibleEvents&) = delete;

    struct Event {
        QAccessible::Event type;
        QString name;        // of the object it is about, as the event was raised
        int caret;           // where a caret moved to, or -1
        QAccessible::Id who; // the object, to read again later as a screen reader would
    };
    const QList<Event>& Events() const { return mEvents; }
    // The events of one type, in order.
    QList<Event> Of(QAccessible::Event type) const {
        QList<Event> events;
        std::copy_if(mEvents.begin(), mEvents.end(), std::back_inserter(events),
                     [type](const Event& event) { return event.type == type; });
        return events;
    }
    // Whether an event of a type was raised for an object.
    bool Told(QAccessible::Event type, QAccessible::Id who) const {
        return std::any_of(mEvents.begin(), mEvents.end(), [&](const Event& event) {
            return event.type == type && event.who == who;
        });
    }

    // The names of the objects that were given the focus, in order.
    QStringList Focused() const {
        QStringList names;
        for (const Event& event : Of(QAccessible::Focus)) {
            names << event.name;
        }
        return names;
    }

    // Where the caret of a text was moved to, in order.
    QList<int> Moved() const {
        QList<int> offsets;
        for (const Event& event : Of(QAccessible::TextCaretMoved)) {
            offsets << event.caret;
        }
        return offsets;
    }

private:
    static QList<Event>*& Log() {
        static QList<Event>* log = nullptr;
        return log;
    }
    static void Record(QAccessibleEvent* event) {
        QAccessibleInterface* target = event->accessibleInterface();
        if (Log() != nullptr && target != nullptr) {
            const int caret =
                event->type() == QAccessible::TextCaretMoved
                    ? static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition()
                    : -1;
            Log()->append(Event{event->type(), target->text(QAccessible::Name), caret,
                                QAccessible::uniqueId(target)});
        }
    }

    QList<Event> mEvents;
    QAccessible::UpdateHandler mPrevious = nullptr;
};
