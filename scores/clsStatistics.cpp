#include "scores/clsStatistics.h"

#include "platform/Settings.h"

namespace {
const QString kApplication = QStringLiteral("Hollenby Ltd\\Orbet");
const QString kNames = QStringLiteral("Orbet Name");
const QString kScores = QStringLiteral("Orbet Score");
} // namespace

void clsStatistics::AddStatistic(const QString& strName, int32_t lngScore) {
    const int32_t rank = RankOf(lngScore);
    if (rank == 0 || lngScore <= 0) {
        return;
    }
    // One batch, so the file on disk never holds half a shift.
    const SettingsBatch batch(kApplication);
    for (int32_t r = RANKS; r >= rank + 1; --r) {
        // A damaged score moves down as the number it counts as, so the table stays valid.
        const int32_t moved = ScoreNumber(GetScore(r - 1));
        SaveSetting(kApplication, kScores, QString::number(r), QString::number(moved));
        SaveSetting(kApplication, kNames, QString::number(r), GetName(r - 1));
    }
    SaveSetting(kApplication, kNames, QString::number(rank), strName);
    SaveSetting(kApplication, kScores, QString::number(rank), QString::number(lngScore));
}

QString clsStatistics::GetName(int32_t lngIndex) const {
    return GetSetting(kApplication, kNames, QString::number(lngIndex), QStringLiteral("-"));
}

QString clsStatistics::GetScore(int32_t lngIndex) const {
    return GetSetting(kApplication, kScores, QString::number(lngIndex), QStringLiteral("0"));
}

int32_t clsStatistics::RankOf(int32_t lngScore) const {
    for (int32_t r = 1; r <= RANKS; ++r) {
        if (lngScore > ScoreNumber(GetScore(r))) {
            return r;
        }
    }
    return 0;
}

int32_t clsStatistics::ScoreNumber(const QString& strScore) {
    bool ok = false;
    const int value = strScore.toInt(&ok, 10);
    return ok ? static_cast<int32_t>(value) : 0;
}
