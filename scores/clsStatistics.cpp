#include "scores/clsStatistics.h"

#include "platform/App.h"
#include "platform/Settings.h"

#include <algorithm>
#include <array>

namespace {

const QString kNames = QStringLiteral("Orbet Name");
const QString kScores = QStringLiteral("Orbet Score");
const QString kNoName = QStringLiteral("-");
const QString kNoScore = QStringLiteral("0");

struct Entry {
    QString name;
    QString score;
    bool operator==(const Entry&) const = default;
};
using Table = std::array<Entry, clsStatistics::RANKS>;

// The table as stored, read through get(section, key, default).
template <typename Get> Table Stored(const Get& get) {
    Table table;
    for (size_t r = 1; r <= table.size(); ++r) {
        const QString key = QString::number(r);
        table[r - 1] = {get(kNames, key, kNoName), get(kScores, key, kNoScore)};
    }
    return table;
}

// Valid entries keep their order; damaged ones become empty ranks below them. A table in order
// comes back unchanged.
Table Ranked(const Table& stored) {
    Table ranked;
    ranked.fill({kNoName, kNoScore});
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
    const bool written = EditSettings(App::SettingsApplication(), [&](SettingsEdit& settings) {
        const Table stored =
            Stored([&](const QString& section, const QString& key, const QString& none) {
                return settings.Get(section, key, none);
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
            const QString key = QString::number(r);
            settings.Save(kNames, key, updated[r - 1].name);
            settings.Save(kScores, key, updated[r - 1].score);
        }
    });
    // Unwritten is a failure, unless the score would have earned no rank anyway.
    return written || (!earned && RankOf(lngScore) == 0);
}

QString clsStatistics::GetName(int32_t lngIndex) const {
    return GetSetting(App::SettingsApplication(), kNames, QString::number(lngIndex), kNoName);
}

QString clsStatistics::GetScore(int32_t lngIndex) const {
    return GetSetting(App::SettingsApplication(), kScores, QString::number(lngIndex), kNoScore);
}

int32_t clsStatistics::RankOf(int32_t lngScore) const {
    const Table stored =
        Stored([](const QString& section, const QString& key, const QString& none) {
            return GetSetting(App::SettingsApplication(), section, key, none);
        });
    return static_cast<int32_t>(RankIn(Ranked(stored), lngScore));
}

std::optional<int32_t> clsStatistics::ScoreNumber(const QString& strScore) {
    bool ok = false;
    const int value = strScore.toInt(&ok, 10);
    return ok ? std::optional<int32_t>(value) : std::nullopt;
}

QString clsStatistics::FileName() const {
    return SettingsFile(App::SettingsApplication());
}
