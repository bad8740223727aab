#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The High Score table: ten ranks of name and score, kept only in the settings store.
class clsStatistics {
public:
    static constexpr int32_t RANKS = 10;

    // Records the entry at the rank its score earns, ranked against the table as the file holds
    // it while the entry is written, so that another game saving at the same moment loses
    // nothing. Returns false when the entry earned a rank but could not be written: the table
    // then stays as it was.
    bool AddStatistic(const QString& strName, int32_t lngScore);
    QString GetName(int32_t lngIndex) const;
    QString GetScore(int32_t lngIndex) const;

    struct Entry {
        QString name;
        QString score;
        bool operator==(const Entry&) const = default;
    };
    using Table = std::array<Entry, RANKS>;
    // The whole table, from rank 1 on, read at one moment: a save by another game between two
    // ranks' reads would show an entry that moved down at both.
    Table Entries() const;

    // The rank a score earns: the first whose stored score it beats, or 0 for none. A damaged
    // score ranks as an empty place below every valid one, so it never lets a lower score in
    // above a higher one.
    int32_t RankOf(int32_t lngScore) const;
    // A stored score as a number, or nothing when the text is not a 32-bit whole number in
    // decimal.
    static std::optional<int32_t> ScoreNumber(const QString& strScore);
    // The file that holds the table.
    QString FileName() const;
};
