#include "game/KeptGame.h"

#include "game/clsGame.h"
#include "platform/Settings.h"
#include "platform/Stored.h"

#include <algorithm>
#include <limits>

namespace KeptGame {

namespace {

constexpr QChar kEmpty = QLatin1Char('-');

const Stored::Item kBoard = Stored::Of(Stored::Key::GameBoard);
const Stored::Item kNext = Stored::Of(Stored::Key::GameNext);
const Stored::Item kScore = Stored::Of(Stored::Key::GameScore);

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
    Text text;
    Stored::ReadTogether([&](const Stored::Get& get) {
        text = {get(kBoard), get(kNext), get(kScore)};
    });
    return FromText(text);
}

bool Write(const GamePosition& position) {
    const Text text = ToText(position);
    return Stored::Edit([&](SettingsEdit& settings) {
        settings.Save(kBoard.section, kBoard.key, text.board);
        settings.Save(kNext.section, kNext.key, text.next);
        settings.Save(kScore.section, kScore.key, text.score);
    });
}

bool Forget() {
    return Stored::Edit([](SettingsEdit& settings) {
        for (const Stored::Item& item : {kBoard, kNext, kScore}) {
            settings.Remove(item.section, item.key);
        }
    });
}

} // namespace KeptGame
