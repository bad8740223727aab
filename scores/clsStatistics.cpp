#include "scores/clsStatistics.h"

#include "platform/App.h"
#include "platform/Settings.h"
#include "platform/Stored.h"

#include <algorithm>
#include <array>

namespace {

using Entry = clsStatistics::Entry;
using Table = clsStatistics::Table;

// The table as stored, each item read through get(item).
template <typename Get> Table AsStored(const Get& get) {
    Table table;
    for (size_t r = 1; r <= table.size(); ++r) {
        const auto rank = static_cast<int32_t>(r);
        table[r - 1] = {get(Stored::Name(rank)), get(Stored::Score(rank))};
    }
    return table;
}

// Valid entries keep their order; damaged ones become empty ranks below them. A table in order
// comes back unchanged.
Table Ranked(const Table& stored) {
    Table ranked;
    ranked.fill({Stored::Name(1).absent, Stored::Score(1).absent}); // as a rank never written
    std::copy_if(stored.begin(), stored.end(), ranked.begin(), [](const Entry& entry) {
        return clsStatistics::ScoreNumber(entry.score).has_value();
    });
    return ranked;
}

// The first rank whose score the given one beats, 1 to 10, or 0 for none.
size_t RankIn(const Table& table, int32_t lngScore) {
    for (size_t r = 1; r <= table.size(); ++r) {
        if (lngScore > clsStatistics::ScoreNumber(table[r - 1].score).value_or(0)) {
            return r;
        }
    }
    return 0;
}

} // namespace

bool clsStatistics::AddStatistic(const QString& strName, int32_t lngScore) {
    if (lngScore <= 0) {
        return true;
    }
    bool earned = false;
    const bool written = Stored::Edit([&](SettingsEdit& settings) {
        const Table stored = AsStored([&](const Stored::Item& item) {
            return settings.Get(item.section, item.key, item.absent);
        });
        const Table ranked = Ranked(stored);
        const size_t rank = RankIn(ranked, lngScore);
        earned = rank != 0;
        if (!earned) {
            return;
        }
        Table updated = ranked;
        std::copy_backward(ranked.begin() + rank - 1, ranked.end() - 1, updated.end());
        updated[rank - 1] = {strName, QString::number(lngScore)};

        // Every rank from the new entry down is written, empty ones as "-" and "0"; above it
        // only those where a damaged entry gave way to the valid ones below it.
        const auto moved = std::mismatch(stored.begin(), stored.begin() + rank - 1, ranked.begin());
        for (auto r = static_cast<size_t>(moved.first - stored.begin()) + 1; r <= RANKS; ++r) {
            const Stored::Item name = Stored::Name(static_cast<int32_t>(r));
            const Stored::Item score = Stored::Score(static_cast<int32_t>(r));
            settings.Save(name.section, name.key, updated[r - 1].name);
            settings.Save(score.section, score.key, updated[r - 1].score);
        }
    });
    // Unwritten is a failure, unless the score would have earned no rank anyway.
    return written || (!earned && RankOf(lngScore) == 0);
}

QString clsStatistics::GetName(int32_t lngIndex) const {
    return Stored::Read(Stored::Name(lngIndex));
}

QString clsStatistics::GetScore(int32_t lngIndex) const {
    return Stored::Read(Stored::Score(lngIndex));
}

clsStatistics::Table clsStatistics::Entries() const {
    Table table;
    Stored::ReadTogether([&](const Stored::Get& get) { table = AsStored(get); });
    return table;
}

int32_t clsStatistics::RankOf(int32_t lngScore) const {
    return static_cast<int32_t>(RankIn(Ranked(Entries()), lngScore));
}

std::optional<int32_t> clsStatistics::ScoreNumber(const QString& strScore) {
    bool ok = false;
    const int value = strScore.toInt(&ok, 10);
    return ok ? std::optional<int32_t>(value) : std::nullopt;
}

QString clsStatistics::FileName() const {
    return SettingsFile(App::SettingsApplication());
}
