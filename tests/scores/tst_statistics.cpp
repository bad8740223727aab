#include "platform/Settings.h"
#include "scores/clsStatistics.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <random>

namespace {

using Table = QList<QPair<QString, int>>;

void Store(const Table& table) {
    for (qsizetype i = 0; i < table.size(); ++i) {
        IsolatedSettings::WriteRow(static_cast<int>(i + 1), table[i].first,
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
    for (const clsStatistics::Entry& entry : statistics.Entries()) {
        table.append({entry.name, entry.score.toInt()});
    }
    return table;
}

qsizetype Times(const Table& table, const QString& name) {
    return std::count_if(table.cbegin(), table.cend(),
                         [&](const auto& entry) { return entry.first == name; });
}

// Another game saving scores: run as a process of its own, it records its scores one by one
// and tells for each whether it was saved, as "name score 1" or "name score 0".
int SaveAsAnotherGame(const QString& folder, const QString& tag, uint32_t seed) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    std::mt19937 chance(seed);
    std::uniform_int_distribution<int> points(1, 3000);
    clsStatistics statistics;
    for (int i = 0; i < 40; ++i) {
        // Even scores from one game, odd ones from the other: no tie between the two.
        const int score = 2 * points(chance) + (tag == QLatin1String("B") ? 1 : 0);
        const QString name = tag + QString::number(i);
        const bool saved = statistics.AddStatistic(name, score);
        std::printf("%s %d %d\n", qPrintable(name), score, saved ? 1 : 0);
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Stored::Item)

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

    // Where each item lies in the file and what it reads as when absent, spelled out once: files
    // that earlier versions wrote must read as they always have.
    void storedItemsKeepTheirPlaces_data() {
        QTest::addColumn<Stored::Item>("item");
        QTest::addColumn<QString>("absent");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line"); // as the file holds it
        using Stored::Key;
        QTest::newRow("Sounds") << Stored::Of(Key::Sounds) << "on"
                                << "off" << QByteArray("[Options]\nSounds=off\n");
        QTest::newRow("Shapes") << Stored::Of(Key::Shapes) << "False"
                                << "True" << QByteArray("[Options]\nShapes=True\n");
        QTest::newRow("RememberGame") << Stored::Of(Key::RememberGame) << "False"
                                      << "True" << QByteArray("[Options]\nRememberGame=True\n");
        QTest::newRow("Zoom") << Stored::Of(Key::Zoom) << "100"
                              << "150" << QByteArray("[Options]\nZoom=150\n");
        QTest::newRow("kept board") << Stored::Of(Key::GameBoard) << ""
                                    << "-0-" << QByteArray("[Orbet%20Game]\nBoard=-0-\n");
        QTest::newRow("kept next") << Stored::Of(Key::GameNext) << ""
                                   << "012" << QByteArray("[Orbet%20Game]\nNext=012\n");
        QTest::newRow("kept score") << Stored::Of(Key::GameScore) << ""
                                    << "50" << QByteArray("[Orbet%20Game]\nScore=50\n");
        QTest::newRow("name at 10") << Stored::Name(10) << "-"
                                    << "Ann" << QByteArray("[Orbet%20Name]\n10=Ann\n");
        QTest::newRow("score at 1") << Stored::Score(1) << "0"
                                    << "350" << QByteArray("[Orbet%20Score]\n1=350\n");
    }
    void storedItemsKeepTheirPlaces() {
        QFETCH(Stored::Item, item);
        QFETCH(QString, absent);
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        IsolatedSettings settings;
        QCOMPARE(Stored::Read(item), absent);
        QVERIFY(Stored::Write(item, value));
        QCOMPARE(settings.Bytes(), line);
        QCOMPARE(Stored::Read(item), value);
    }

    // Sections the game does not own are another program's, or another version's: a save keeps
    // them byte for byte after the game's own, wherever they stood.
    void otherSectionsAreKept_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("saved"); // once Sounds is switched off
        QByteArray many = "[Another%20Program]\n";
        for (int i = 0; i < 3000; ++i) {
            many += "Key" + QByteArray::number(i) + "=Value " + QByteArray::number(i) + '\n';
        }
        const QByteArray sounds = "[Options]\nSounds=off\n\n";
        QTest::newRow("many keys") << many << sounds + many;
        QTest::newRow("between the game's sections")
            << QByteArray("[Options]\nSounds=on\n\n[Another]\na=1\n\n[Orbet%20Name]\n1=Ann\n")
            << QByteArray("[Options]\nSounds=off\n\n[Orbet%20Name]\n1=Ann\n\n[Another]\na=1\n\n");
        QTest::newRow("named as the game's but in other letters")
            << QByteArray("[options]\n; as it is\nSounds = maybe\n")
            << sounds + "[options]\n; as it is\nSounds = maybe\n";
        QTest::newRow("the game's, spelled by hand")
            << QByteArray("[Orbet Name]\n1=Ann\n")
            << QByteArray("[Options]\nSounds=off\n\n[Orbet%20Name]\n1=Ann\n");
        const QByteArray quoted = "[Another]\nv=\"a\n[Options]\nSounds=on\"\n";
        QTest::newRow("a header inside quotes") << quoted << sounds + quoted;
        const QByteArray damaged = "[Another]\nv=@Invalid()\ngarbage\n[x\n=";
        QTest::newRow("damage, and no last line break") << damaged << sounds + damaged;
    }
    void otherSectionsAreKept() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, saved);
        const IsolatedSettings settings;
        QVERIFY(settings.Store(stored));
        QVERIFY(Stored::WriteSwitch(Stored::Key::Sounds, false));
        QCOMPARE(settings.Bytes(), saved);
        // An edit cannot reach into another's section, which it does not hold.
        QVERIFY(!Stored::Edit([](SettingsEdit& edit) { edit.Save("Another", "v", "2"); }));
        QCOMPARE(settings.Bytes(), saved);
    }

    // A kept game is dropped key by key; the others stay.
    void removedItemsGo() {
        const IsolatedSettings settings;
        QVERIFY(Stored::Write(Stored::Key::GameBoard, QStringLiteral("-0-")));
        QVERIFY(Stored::Write(Stored::Key::GameScore, QStringLiteral("50")));
        QVERIFY(Stored::Remove(Stored::Of(Stored::Key::GameBoard)));
        QVERIFY(Stored::Remove(Stored::Of(Stored::Key::GameNext))); // never stored
        QCOMPARE(settings.Bytes(), QByteArray("[Orbet%20Game]\nScore=50\n"));
    }

    void firstEntryWritesTheWholeTable() {
        IsolatedSettings settings;
        clsStatistics statistics;
        statistics.AddStatistic(QStringLiteral("X"), 50);
        QCOMPARE(IsolatedSettings::Read(Stored::Name(1)).toString(), QStringLiteral("X"));
        QCOMPARE(IsolatedSettings::Read(Stored::Score(1)).toString(), QStringLiteral("50"));
        for (int32_t r = 2; r <= 10; ++r) {
            QCOMPARE(IsolatedSettings::Read(Stored::Name(r)).toString(), QStringLiteral("-"));
            QCOMPARE(IsolatedSettings::Read(Stored::Score(r)).toString(), QStringLiteral("0"));
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
        for (const QString& section : {Stored::Name(1).section, Stored::Score(1).section}) {
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
                IsolatedSettings::Write(Stored::Score(r), statistics.GetScore(r - 1));
                IsolatedSettings::Write(Stored::Name(r), statistics.GetName(r - 1));
            }
            IsolatedSettings::WriteRow(rank, QStringLiteral("N"), QString::number(score));
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
        QTest::newRow("hexadecimal is no number")
            << QStringList{"0x10", "10"} << 12 << QStringList{"N:12", "P2:10", "-:0"};
        QTest::newRow("spaces around a number")
            << QStringList{" 70 ", "60"} << 65 << QStringList{"P1: 70 ", "N:65", "P2:60", "-:0"};
    }
    void damagedEntriesGiveWay() {
        QFETCH(QStringList, stored);
        QFETCH(int, score);
        QFETCH(QStringList, written);
        IsolatedSettings settings;
        IsolatedSettings::WriteScores(stored);
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

    // Two games that save at the same moment: every score reported as saved is in the table
    // at its rank, and nearly every save gets through.
    void twoGamesSavingAtOnceLoseNothing_data() {
        QTest::addColumn<uint32_t>("seed");
        for (uint32_t round = 1; round <= 5; ++round) {
            QTest::addRow("round %u", round) << round;
        }
    }
    void twoGamesSavingAtOnceLoseNothing() {
        QFETCH(uint32_t, seed);
        IsolatedSettings settings;
        QList<QProcess*> games;
        for (const QString& tag : {QStringLiteral("A"), QStringLiteral("B")}) {
            auto* game = new QProcess(this);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("ORBET_SAVE_FOLDER"), settings.Folder());
            environment.insert(QStringLiteral("ORBET_SAVE_TAG"), tag);
            environment.insert(QStringLiteral("ORBET_SAVE_SEED"),
                               QString::number(seed * 2 + (tag == QLatin1String("B"))));
            game->setProcessEnvironment(environment);
            game->start(QCoreApplication::applicationFilePath(), QStringList());
            games << game;
        }
        QList<Table> tables; // read while they save, and at last
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000 &&
               std::any_of(games.cbegin(), games.cend(), [](QProcess* game) {
                   return !game->waitForFinished(1) && game->state() != QProcess::NotRunning;
               })) {
            tables << Read(clsStatistics());
        }
        Table saved;
        int saves = 0;
        for (QProcess* game : games) {
            const bool finished = game->state() == QProcess::NotRunning;
            if (!finished) {
                game->kill();
                game->waitForFinished();
            }
            QVERIFY2(finished, "a saving game did not finish within a minute");
            QCOMPARE(game->exitCode(), 0);
            for (const QByteArray& line : game->readAllStandardOutput().split('\n')) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() == 3) {
                    ++saves;
                    if (words[2] == "1") {
                        saved.append({QString::fromLatin1(words[0]), words[1].toInt()});
                    }
                }
            }
            delete game;
        }
        QCOMPARE(saves, 80);
        // On a loaded machine a save may give up waiting for the other game's; but one game
        // waits only while the other writes, so some save always gets through.
        QVERIFY(!saved.isEmpty());
        // Each table read as at one moment: no name in it more often than it was saved.
        tables << Read(clsStatistics());
        for (const Table& table : tables) {
            for (const auto& entry : table) {
                QVERIFY2(entry.first == QLatin1String("-") ||
                             Times(table, entry.first) <= Times(saved, entry.first),
                         qPrintable(entry.first + QStringLiteral(" read more often than saved")));
            }
        }
        // The ten best of those saved; equal scores come from one game, in the order it saved.
        std::stable_sort(saved.begin(), saved.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        saved.resize(std::min<qsizetype>(saved.size(), 10));
        while (saved.size() < 10) {
            saved.append({QStringLiteral("-"), 0});
        }
        QCOMPARE(tables.last(), saved);
    }

    // Readers see a rewrite at once, however soon it follows the last and whatever its size.
    // In memory, where writes are quick, many land within the millisecond of the one before.
    void rewritesAreSeenAtOnce() {
        const IsolatedSettings settings(QDir(QStringLiteral("/dev/shm")).exists()
                                            ? QStringLiteral("/dev/shm")
                                            : QDir::tempPath());
        const QString application = QStringLiteral("Hollenby Ltd\\Orbet");
        for (int i = 0; i < 300; ++i) {
            const QString value = QString::number(i % 10); // the file keeps its size
            QVERIFY(SaveSetting(application, QStringLiteral("Options"), QStringLiteral("Probe"),
                                value));
            QCOMPARE(GetSetting(application, QStringLiteral("Options"), QStringLiteral("Probe"),
                                QString()),
                     value);
        }
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

int main(int argc, char* argv[]) {
    const QString folder = qEnvironmentVariable("ORBET_SAVE_FOLDER");
    if (!folder.isEmpty()) {
        const QCoreApplication application(argc, argv);
        return SaveAsAnotherGame(folder, qEnvironmentVariable("ORBET_SAVE_TAG"),
                                 qEnvironmentVariableIntValue("ORBET_SAVE_SEED"));
    }
    QApplication application(argc, argv);
    TestStatistics test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_statistics.moc"
