#pragma once

#include <QString>

#include <cstdint>

// The High Score table: ten ranks of name and score, kept only in the settings store.
class clsStatistics {
public:
    static constexpr int32_t RANKS = 10;

    void AddStatistic(const QString& strName, int32_t lngScore);
    QString GetName(int32_t lngIndex) const;
    QString GetScore(int32_t lngIndex) const;

    // The rank a score earns: the first whose stored score it beats, or 0 for none.
    int32_t RankOf(int32_t lngScore) const;
    // A stored score as a number; text that is not a 32-bit whole number counts as 0.
    static int32_t ScoreNumber(const QString& strScore);
};
