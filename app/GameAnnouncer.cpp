#include "app/GameAccessible.h"

#include "app/GameAccessible_p.h"
#include "app/GameNarration.h"
#include "game/clsGame.h"

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

AreaAccessible* AccessibleOf(GameArea& area) {
    return dynamic_cast<AreaAccessible*>(QAccessible::queryAccessibleInterface(&area));
}

} // namespace

GameFacts FactsOf(const GameArea& area) {
    GameFacts facts;
    facts.cursor = area.Cursor();
    facts.part = area.FocusedPart();
    const clsGame* game = area.Game();
    if (game == nullptr) {
        return facts;
    }
    for (int32_t index = 1; index <= BOARD_CELLS; ++index) {
        const auto slot = static_cast<size_t>(index - 1);
        facts.colours[slot] = game->CellColour(index);
        facts.selected[slot] = game->CellSelected(index);
    }
    facts.next = game->NextColours();
    facts.score = game->Score();
    facts.best = game->BestScore();
    return facts;
}

// One notification, the area's last child, tells each step: no child comes or goes for screen
// readers to follow. Those that keep a copy of the tree are told its words changed.
void AreaAccessible::Tell(const QString& message) {
    NotificationAccessible* notification = Notification();
    notification->setMessage(message);
    Raise(notification, QAccessible::NameChanged);
    Raise(notification, QAccessible::ObjectShow);
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
        RaiseValue(area->PartAt(GameArea::Part::YourScore), now.score);
    }
    if (now.best != last.best) {
        RaiseValue(area->PartAt(GameArea::Part::HighScore), now.best);
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
