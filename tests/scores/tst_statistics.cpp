#include "scores/clsStatistics.h"
#include "support/Fakes.h"

#include <QFile>
#include <QTest>

namespace {

using Table = QList<QPair<QString, int>>;

void Store(const Table& table) {
    for (qsizetype i = 0; i < table.size(); ++i) {
        const QString rank = QString::number(i + 1);
        IsolatedSettings::Write(QStringLiteral("Orbet Name/") + rank, table[i].first);
        IsolatedSettings::Write(QStringLiteral("Orbet Score/") + rank,
                                QString::number(table[i].second));
    }
}

Table Scores(std::initializer_list<int> scores) {
    Table table;
    for (int score : scores) {
        table.append({QStringLiteral("P%1").arg(table.size() + 1), score});
    }
    return table;
}

Table Read(const clsStatistics& statistics) {
    Table table;
    for (int32_t r = 1; r <= 10; ++r) {
        table.append({statistics.GetName(r), statistics.GetScore(r).toInt()});
    }
    return table;
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreReadsDefaults() {
        IsolatedSettings settings;
        const clsStatistics statistics;
        for (int32_t r : {0, 1, 5, 10, 11}) {
            QCOMPARE(statistics.GetName(r), QStringLiteral("-"));
            QCOMPARE(statistics.GetScore(r), QStringLiteral("0"));
        }
        QCOMPARE(statistics.RankOf(1), 1);
        QCOMPARE(statistics.RankOf(0), 0);
    }

    void firstEntryWritesTheWholeTable() {
        IsolatedSettings settings;
        clsStatistics statistics;
        statistics.AddStatistic(QStringLiteral("X"), 50);
        QCOMPARE(IsolatedSettings::Read(QStringLiteral("Orbet Name/1")).toString(),
                 QStringLiteral("X"));
        QCOMPARE(IsolatedSettings::Read(QStringLiteral("Orbet Score/1")).toString(),
                 QStringLiteral("50"));
        for (int32_t r = 2; r <= 10; ++r) {
            const QString rank = QString::number(r);
            QCOMPARE(IsolatedSettings::Read(QStringLiteral("Orbet Name/") + rank).toString(),
                     QStringLiteral("-"));
            QCOMPARE(IsolatedSettings::Read(QStringLiteral("Orbet Score/") + rank).toString(),
                     QStringLiteral("0"));
        }
        // On disk at once, in one file.
        QFile file(settings.File());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("[Orbet%20Score]"));
        QVERIFY(text.contains("10=0"));
    }

    void scoresTakeTheirRank_data() {
        QTest::addColumn<Table>("stored");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("rank"); // 0: not recorded
        const Table example = Scores({500, 400, 300, 300, 200, 100, 90, 80, 70, 60});
        QTest::newRow("ties go below") << example << 300 << 5;
        QTest::newRow("equal to rank 10") << example << 60 << 0;
        QTest::newRow("just above rank 10") << example << 61 << 10;
        QTest::newRow("above all") << example << 501 << 1;
        QTest::newRow("zero on an empty table") << Table{} << 0 << 0;
        QTest::newRow("negative on an empty table") << Table{} << -10 << 0;
        QTest::newRow("equal to rank 3") << Scores({500, 400, 300, 250}) << 300 << 4;
        QTest::newRow("ten equal scores")
            << Scores({100, 100, 100, 100, 100, 100, 100, 100, 100, 100}) << 100 << 0;
    }
    void scoresTakeTheirRank() {
        QFETCH(Table, stored);
        QFETCH(int, score);
        QFETCH(int, rank);
        IsolatedSettings settings;
        Store(stored);
        clsStatistics statistics;
        QCOMPARE(statistics.RankOf(score), rank);

        statistics.AddStatistic(QStringLiteral(" New  Name "), score);

        Table expected = stored;
        while (expected.size() < 10) {
            expected.append({QStringLiteral("-"), 0});
        }
        if (rank != 0) {
            expected.insert(rank - 1, {QStringLiteral(" New  Name "), score});
            expected.removeLast();
        }
        QCOMPARE(Read(statistics), expected);
    }

    void damagedScoresCountAsZero_data() {
        QTest::addColumn<QString>("damaged");
        QTest::newRow("letters") << QStringLiteral("lots");
        QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999");
        QTest::newRow("fraction") << QStringLiteral("1.5");
        QTest::newRow("empty") << QStringLiteral("");
    }
    void damagedScoresCountAsZero() {
        QFETCH(QString, damaged);
        IsolatedSettings settings;
        Store(Scores({300, 200}));
        IsolatedSettings::Write(QStringLiteral("Orbet Score/2"), damaged);
        clsStatistics statistics;
        QCOMPARE(clsStatistics::ScoreNumber(damaged), 0);
        QCOMPARE(statistics.RankOf(10), 2);

        statistics.AddStatistic(QStringLiteral("Z"), 10);
        QCOMPARE(statistics.GetScore(2), QStringLiteral("10"));
        QCOMPARE(statistics.GetName(3), QStringLiteral("P2"));
        QCOMPARE(statistics.GetScore(3), QStringLiteral("0")); // moved down as a valid number
    }

    void nameIsStoredAsGiven() {
        IsolatedSettings settings;
        clsStatistics statistics;
        statistics.AddStatistic(QStringLiteral("-"), 20);
        statistics.AddStatistic(QStringLiteral("Ådne, \"the\" = [champion]"), 30);
        QCOMPARE(statistics.GetName(1), QStringLiteral("Ådne, \"the\" = [champion]"));
        QCOMPARE(statistics.GetName(2), QStringLiteral("-"));
        QCOMPARE(statistics.GetScore(2), QStringLiteral("20"));
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
