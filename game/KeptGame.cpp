#include "game/KeptGame.h"

#include "game/clsGame.h"
#include "platform/Settings.h"
#include "platform/Stored.h"

#include <algorithm>
#include <array>
#include <limits>

namespace KeptGame {

namespace {

constexpr QChar kEmpty = QLatin1Char('-');

// The board, the next colours and the score, in that order.
std::array<Stored::Item, 3> Items() {
    return {Stored::Of(Stored::Key::GameBoard), Stored::Of(Stored::Key::GameNext),
            Stored::Of(Stored::Key::GameScore)};
}

// A digit as its number, or nothing for any other character.
std::optional<int32_t> Digit(QChar c) {
    const int32_t digit = c.unicode() - u'0';
    return digit >= 0 && digit <= 9 ? std::optional(digit) : std::nullopt;
}

} // namespace

Text ToText(const GamePosition& position) {
    Text text;
    for (const int32_t colour : position.cells) {
        text.board += colour < 0 ? kEmpty : QChar(u'0' + colour);
    }
    for (const int32_t colour : position.next) {
        text.next += QChar(u'0' + colour);
    }
    text.score = QString::number(position.score);
    return text;
}

std::optional<GamePosition> FromText(const Text& text) {
    if (text.board.size() != BOARD_CELLS || text.next.size() != NEXT_COLOURS ||
        text.score.isEmpty() || text.score.size() > 10 ||
        !std::all_of(text.score.cbegin(), text.score.cend(),
                     [](QChar c) { return Digit(c).has_value(); })) {
        return std::nullopt;
    }
    GamePosition position;
    for (size_t slot = 0; slot < position.cells.size(); ++slot) {
        const QChar c = text.board.at(static_cast<qsizetype>(slot));
        const std::optional<int32_t> colour = Digit(c);
        if (!colour && c != kEmpty) {
            return std::nullopt;
        }
        position.cells[slot] = colour.value_or(-1);
    }
    for (size_t k = 0; k < position.next.size(); ++k) {
        const std::optional<int32_t> colour = Digit(text.next.at(static_cast<qsizetype>(k)));
        if (!colour) {
            return std::nullopt;
        }
        position.next[k] = *colour;
    }
    const qlonglong score = text.score.toLongLong();
    if (score > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    position.score = static_cast<int32_t>(score);
    return clsGame::IsPlayable(position) ? std::optional(position) : std::nullopt;
}

std::optional<GamePosition> Read() {
    const auto [board, next, score] = Items();
    Text text;
    Stored::ReadTogether([&](const Stored::Get& get) {
        text = {get(board), get(next), get(score)};
    });
    return FromText(text);
}

bool Write(const GamePosition& position) {
    const Text text = ToText(position);
    const auto [board, next, score] = Items();
    return Stored::Edit([&](SettingsEdit& settings) {
        settings.Save(board.section, board.key, text.board);
        settings.Save(next.section, next.key, text.next);
        settings.Save(score.section, score.key, text.score);
    });
}

bool Forget() {
    return Stored::Edit([](SettingsEdit& settings) {
        for (const Stored::Item& item : Items()) {
            settings.Remove(item.section, item.key);
        }
    });
}

} // namespace KeptGame
