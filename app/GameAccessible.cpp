#include "app/GameAccessible.h"

#include "app/GameAccessible_p.h"
#include "app/GameNarration.h"
#include "game/clsGame.h"

#include <QLabel>

namespace {

// The label above a part of the side panel, as it reads.
QString LabelAbove(const GameArea* area, GameArea::Part part) {
    const QLabel* label = area != nullptr ? area->Label(part) : nullptr;
    return label != nullptr ? label->text() : QString();
}

} // namespace

QAccessibleInterface* GameAreaFactory(const QString&, QObject* object) {
    auto* area = qobject_cast<GameArea*>(object);
    return area != nullptr ? new AreaAccessible(area) : nullptr;
}

QString ScoreAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return QCoreApplication::translate("GameAccessible", "%1 %2")
            .arg(LabelAbove(Area(), Shown()))
            .arg(Number());
    case QAccessible::Value:
        return QString::number(Number());
    default:
        return {};
    }
}

QAccessible::State ScoreAccessible::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.focused = HasKeyboard(Shown());
    return s;
}

QVariant ScoreAccessible::minimumStepSize() const {
    return clsGame::POINTS_PER_PIECE;
}

int32_t ScoreAccessible::Number() const {
    if (Game() == nullptr) {
        return 0;
    }
    return mBest ? Game()->BestScore() : Game()->Score();
}

QString PreviewAccessible::text(QAccessible::Text t) const {
    // Nothing is coming once the game has gone.
    const QString colours =
        Game() != nullptr ? GameNarration::Colours(Game()->NextColours()) : QString();
    if (t == QAccessible::Name) {
        return QCoreApplication::translate("GameAccessible", "%1 %2")
            .arg(LabelAbove(Area(), GameArea::Part::NextColours), colours);
    }
    return t == QAccessible::Description || t == QAccessible::Value ? colours : QString();
}

QAccessible::State PreviewAccessible::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.focused = HasKeyboard(GameArea::Part::NextColours);
    return s;
}

AreaAccessible::~AreaAccessible() {
    for (const QAccessible::Id id : mParts) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    if (mTold != 0) {
        QAccessible::deleteAccessibleInterface(mTold);
    }
}

QAccessibleInterface* AreaAccessible::PartAt(GameArea::Part part) const {
    QAccessible::Id& id = mParts.at(static_cast<size_t>(part));
    if (id == 0) {
        QAccessibleInterface* made = nullptr;
        switch (part) {
        case GameArea::Part::Board:
            made = new BoardAccessible(Area());
            break;
        case GameArea::Part::NextColours:
            made = new PreviewAccessible(Area());
            break;
        case GameArea::Part::YourScore:
        case GameArea::Part::HighScore:
            made = new ScoreAccessible(Area(), part == GameArea::Part::HighScore);
            break;
        }
        id = QAccessible::registerAccessibleInterface(made);
    }
    return QAccessible::accessibleInterface(id);
}

QString AreaAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QCoreApplication::translate("GameAccessible", "Play area")
                                  : QAccessibleWidget::text(t);
}

QAccessibleInterface* AreaAccessible::child(int index) const {
    const QList<QAccessibleInterface*> children = Children();
    return index >= 0 && index < children.size() ? children[index] : nullptr;
}

QAccessibleInterface* AreaAccessible::childAt(int x, int y) const {
    for (QAccessibleInterface* child : Children()) {
        if (child->rect().contains(x, y)) {
            return child;
        }
    }
    return nullptr;
}

QAccessibleInterface* AreaAccessible::focusChild() const {
    const GameArea::Part part = Area()->FocusedPart();
    QAccessibleInterface* focused = PartAt(part);
    return part == GameArea::Part::Board ? focused->focusChild() : focused;
}

QList<QAccessibleInterface*> AreaAccessible::Children() const {
    QList<QAccessibleInterface*> children;
    for (int part = 0; part < GameArea::PARTS; ++part) {
        if (QLabel* label = Area()->Label(static_cast<GameArea::Part>(part))) {
            children << QAccessible::queryAccessibleInterface(label);
        }
        children << PartAt(static_cast<GameArea::Part>(part));
    }
    return children << Notification();
}

NotificationAccessible* AreaAccessible::Notification() const {
    if (mTold == 0) {
        mTold = QAccessible::registerAccessibleInterface(new NotificationAccessible(Area()));
    }
    return static_cast<NotificationAccessible*>(QAccessible::accessibleInterface(mTold));
}
