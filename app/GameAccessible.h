#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class GameArea;
class QLabel;

// What the game area shows, as read by players who do not see it.
struct GameFacts {
    std::array<int32_t, 100> colours{}; // by cell index from 1; -1 for an empty cell
    std::array<bool, 100> selected{};
    std::array<int32_t, 3> next{};
    int32_t score = 0;
    int32_t best = 0;
    std::optional<int32_t> cursor; // the cell the keyboard cursor frames

    bool operator==(const GameFacts&) const = default;
};

// The labels that stand above the preview and the two score displays.
struct GameLabels {
    QLabel* nextMove;
    QLabel* yourScore;
    QLabel* highScore;
};

// Lets screen readers see the game area: the board as a table of 10 rows and 10 columns whose
// cells are named by their place and what they hold ("row 3, column 5, red"), with their
// selected and focused states, the two scores with their numbers, and the next colours. The
// facts are asked for whenever a screen reader looks; the cursor comes from the area itself.
void MakeGameAccessible(GameArea& area, std::function<GameFacts()> facts, const GameLabels& labels);

// Tells screen readers what changed in the game area since the last step: balls that moved,
// vanished or arrived, the selection, the scores, the next colours and the keyboard cursor.
// The area must have been made accessible first.
class GameAnnouncer {
public:
    explicit GameAnnouncer(GameArea& area);
    void Announce();

private:
    GameArea& mArea;
    GameFacts mLast;
};
