#include "scores/clsStatistics.h"

#include "platform/Settings.h"

#include <algorithm>

namespace {
const QString kApplication = QStringLiteral("Hollenby Ltd\\Orbet");
const QString kNames = QStringLiteral("Orbet Name");
const QString kScores = QStringLiteral("Orbet Score");
const QString kNoName = QStringLiteral("-");
const QString kNoScore = QStringLiteral("0");

bool IsWholeNumber(const QString& strScore) {
    bool ok = false;
    strScore.toInt(&ok, 10);
    return ok;
}
} // namespace

bool clsStatistics::AddStatistic(const QString& strName, int32_t lngScore) {
    const Table stored = Stored();
    const Table ranked = Ranked(stored);
    const auto rank = static_cast<size_t>(RankIn(ranked, lngScore));
    if (rank == 0 || lngScore <= 0) {
        return true;
    }
    Table updated = ranked;
    std::copy_backward(ranked.begin() + rank - 1, ranked.end() - 1, updated.end());
    updated[rank - 1] = {strName, QString::number(lngScore)};

    // Written from the bottom up to the new entry. The ranks above it change only where a
    // damaged entry gives way to the valid ones below it.
    size_t first = rank;
    for (size_t r = 1; r < rank; ++r) {
        if (!(ranked[r - 1] == stored[r - 1])) {
            first = r;
            break;
        }
    }
    SettingsBatch batch(kApplication);
    for (size_t r = RANKS; r >= first; --r) {
        const Entry& entry = updated[r - 1];
        const QString key = QString::number(r);
        if (r == rank) {
            batch.Save(kNames, key, entry.name);
            batch.Save(kScores, key, entry.score);
        } else {
            batch.Save(kScores, key, entry.score);
            batch.Save(kNames, key, entry.name);
        }
    }
    return batch.Commit();
}

QString clsStatistics::GetName(int32_t lngIndex) const {
    return GetSetting(kApplication, kNames, QString::number(lngIndex), kNoName);
}

QString clsStatistics::GetScore(int32_t lngIndex) const {
    return GetSetting(kApplication, kScores, QString::number(lngIndex), kNoScore);
}

int32_t clsStatistics::RankOf(int32_t lngScore) const {
    return RankIn(Ranked(Stored()), lngScore);
}

int32_t clsStatistics::ScoreNumber(const QString& strScore) {
    bool ok = false;
    const int value = strScore.toInt(&ok, 10);
    return ok ? static_cast<int32_t>(value) : 0;
}

QString clsStatistics::FileName() const {
    return SettingsFile(kApplication);
}

clsStatistics::Table clsStatistics::Stored() const {
    Table table;
    for (size_t r = 1; r <= RANKS; ++r) {
        table[r - 1] = {GetName(static_cast<int32_t>(r)), GetScore(static_cast<int32_t>(r))};
    }
    return table;
}

// Valid entries keep their order; damaged ones become empty ranks below them. A table in order
// comes back unchanged.
clsStatistics::Table clsStatistics::Ranked(const Table& stored) {
    Table ranked;
    ranked.fill({kNoName, kNoScore});
    std::copy_if(stored.begin(), stored.end(), ranked.begin(),
                 [](const Entry& entry) { return IsWholeNumber(entry.score); });
    return ranked;
}

int32_t clsStatistics::RankIn(const Table& table, int32_t lngScore) {
    for (size_t r = 1; r <= RANKS; ++r) {
        if (lngScore > ScoreNumber(table[r - 1].score)) {
            return static_cast<int32_t>(r);
        }
    }
    return 0;
}
