#include "scores/clsStatistics.h"
#include "support/Fakes.h"

#include <QFile>
#include <QSettings>
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

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        QTest::newRow("zero above a negative score") << Scores({-5}) << 0 << 0;
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
        if (score > 0) {
            QCOMPARE(statistics.RankOf(score), rank);
        }

        QVERIFY(statistics.AddStatistic(QStringLiteral(" New  Name "), score));

        Table expected = stored;
        while (expected.size() < 10) {
            expected.append({QStringLiteral("-"), 0});
        }
        if (rank != 0) {
            expected.insert(rank - 1, {QStringLiteral(" New  Name "), score});
            expected.removeLast();
        }
        QCOMPARE(Read(statistics), expected);
        QSettings store(QStringLiteral("Hollenby Ltd"), QStringLiteral("Orbet"));
        for (const QString& section :
             {QStringLiteral("Orbet Name"), QStringLiteral("Orbet Score")}) {
            store.beginGroup(section);
            QVERIFY2(store.childKeys().size() <= 10, "a rank beyond 10 was written");
            store.endGroup();
        }
    }

    // The table as the rules have always written it, one key at a time: the oracle for an
    // orderly table, which must come out byte for byte the same.
    void orderlyTablesAreWrittenKeyByKey_data() {
        QTest::addColumn<Table>("stored");
        QTest::addColumn<int>("score");
        QTest::newRow("first entry") << Table{} << 50;
        QTest::newRow("into the middle") << Scores({500, 400, 300, 250}) << 300;
        QTest::newRow("full table, last rank")
            << Scores({500, 400, 300, 300, 200, 100, 90, 80, 70, 60}) << 61;
    }
    void orderlyTablesAreWrittenKeyByKey() {
        QFETCH(Table, stored);
        QFETCH(int, score);
        QByteArray oracle;
        {
            IsolatedSettings settings;
            Store(stored);
            const clsStatistics statistics;
            const int32_t rank = statistics.RankOf(score);
            for (int32_t r = 10; r > rank; --r) {
                const QString key = QString::number(r);
                IsolatedSettings::Write(QStringLiteral("Orbet Score/") + key,
                                        statistics.GetScore(r - 1));
                IsolatedSettings::Write(QStringLiteral("Orbet Name/") + key,
                                        statistics.GetName(r - 1));
            }
            IsolatedSettings::Write(QStringLiteral("Orbet Name/%1").arg(rank), QStringLiteral("N"));
            IsolatedSettings::Write(QStringLiteral("Orbet Score/%1").arg(rank),
                                    QString::number(score));
            oracle = FileBytes(settings.File());
        }
        IsolatedSettings settings;
        Store(stored);
        clsStatistics statistics;
        QVERIFY(statistics.AddStatistic(QStringLiteral("N"), score));
        QCOMPARE(FileBytes(settings.File()), oracle);
    }

    void damagedEntriesGiveWay_data() {
        QTest::addColumn<QStringList>("stored"); // scores; names are P1, P2...
        QTest::addColumn<int>("score");
        QTest::addColumn<QStringList>("written"); // name:score from rank 1 on
        const QStringList damaged{"50", "lots", "45", "40"};
        QTest::newRow("below the valid ones")
            << damaged << 10 << QStringList{"P1:50", "P3:45", "P4:40", "N:10", "-:0"};
        QTest::newRow("between two valid ones")
            << damaged << 47 << QStringList{"P1:50", "N:47", "P3:45", "P4:40", "-:0"};
        QTest::newRow("beyond 32 bits, at the top")
            << QStringList{"99999999999", "30"} << 20 << QStringList{"P2:30", "N:20", "-:0"};
        QTest::newRow("empty text")
            << QStringList{"", "30"} << 40 << QStringList{"N:40", "P2:30", "-:0"};
    }
    void damagedEntriesGiveWay() {
        QFETCH(QStringList, stored);
        QFETCH(int, score);
        QFETCH(QStringList, written);
        IsolatedSettings settings;
        for (int r = 1; r <= stored.size(); ++r) {
            IsolatedSettings::Write(QStringLiteral("Orbet Name/%1").arg(r),
                                    QStringLiteral("P%1").arg(r));
            IsolatedSettings::Write(QStringLiteral("Orbet Score/%1").arg(r), stored[r - 1]);
        }
        clsStatistics statistics;
        const int32_t rank = statistics.RankOf(score);
        QVERIFY(statistics.AddStatistic(QStringLiteral("N"), score));
        QStringList table;
        for (int32_t r = 1; r <= written.size(); ++r) {
            table << statistics.GetName(r) + QLatin1Char(':') + statistics.GetScore(r);
        }
        QCOMPARE(table, written);
        QCOMPARE(statistics.GetName(rank), QStringLiteral("N")); // the rank told is the rank kept
        QCOMPARE(statistics.GetScore(10), QStringLiteral("0"));
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
