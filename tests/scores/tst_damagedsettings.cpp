#include "platform/Settings.h"
#include "scores/frmStatistics.h"
#include "support/GameProbe.h"
#include "support/Guards.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTest>

#include <optional>
#include <random>
#include <sys/stat.h>

namespace {

QByteArray RandomBytes(uint32_t seed, int size) {
    std::mt19937 chance(seed);
    QByteArray bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(chance() & 0xFF);
    }
    return bytes;
}

QByteArray Table(const QByteArray& score, const QByteArray& name) {
    QByteArray text = "[Orbet%20Name]\n";
    for (int r = 1; r <= 10; ++r) {
        text += QByteArray::number(r) + '=' + name + '\n';
    }
    text += "[Orbet%20Score]\n";
    for (int r = 1; r <= 10; ++r) {
        text += QByteArray::number(r) + '=' + score + '\n';
    }
    return text;
}

using Entries = QList<QPair<QString, QString>>; // name, score from rank 1 on

Entries TableOf(const clsStatistics& statistics) {
    Entries table;
    for (int32_t r = 1; r <= 10; ++r) {
        table.append({statistics.GetName(r), statistics.GetScore(r)});
    }
    return table;
}

} // namespace

class TestDamagedSettings : public QObject {
    Q_OBJECT

private slots:
    void gameSurvivesADamagedFile_data() {
        QTest::addColumn<QByteArray>("content");
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            QTest::addRow("random bytes %u", seed) << RandomBytes(seed, 1500);
            QTest::addRow("random bytes after a header %u", seed)
                << QByteArray("[Orbet%20Score]\n1=") + RandomBytes(seed, 300);
        }
        QTest::newRow("huge scores") << Table("99999999999999999999", "Big");
        QTest::newRow("just beyond 32 bits") << Table("2147483648", "Edge");
        QTest::newRow("negative scores") << Table("-50", "Minus");
        QTest::newRow("most negative") << Table("-2147483648", "Min");
        QTest::newRow("words for scores") << Table("lots", "Words");
        QTest::newRow("mixed scores") << Table("12abc", "Mixed");
        QTest::newRow("hex and exponent") << Table("0x10", "Hex") + Table("1e5", "Exp");
        QTest::newRow("long names") << Table("500", QByteArray(10000, 'n'));
        QTest::newRow("a surrogate alone, which reads back as another text")
            << Table("500", "Ann") + "[Options]\nNote=\\xdc00\n";
        QTest::newRow("lists and blobs") << Table("@ByteArray(\\0\\x1)", "a, b, c");
        QTest::newRow("variant values") << Table("@Variant(\\0\\0\\0\\x7f)", "@Invalid()");
        QTest::newRow("only options") << QByteArray("[Options]\nSounds=maybe\nShapes=@Invalid()\n");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("unbalanced sections") << QByteArray("[Orbet%20Score\n1=300\n[[[\n=\n");
        QTest::newRow("unclosed section line") << Table("700", "Kept") + "[x\n";
        QTest::newRow("unclosed section first") << "[x\n" + Table("700", "Kept");
        QTest::newRow("cut-off header at the end") << Table("650", "Kept") + "[Options";
        QTest::newRow("cut-off header, then a newline") << Table("650", "Kept") + "[Options\n";
        QTest::newRow("sounds, then a cut-off header") << QByteArray("[Options]\nSounds=on\n[Orb");
        QTest::newRow("keys with no value") << "garbage\n[Orbet%20Score]\n=\n" +
                                                   Table("300", "@Invalid()") +
                                                   "[Options]\nv=@Invalid()\n";
    }
    // Whatever the file holds, the game plays, a new score is saved and read back with the
    // valid entries around it, and the Sound option is stored.
    void gameSurvivesADamagedFile() {
        QFETCH(QByteArray, content);
        GameHarness h;
        QVERIFY(h.settings.Store(content));

        h.Start();
        QCOMPARE(h.probe().BestScoreShown(),
                 clsStatistics::ScoreNumber(h.statistics.GetScore(1)).value_or(0));
        for (int32_t col = 1; col <= 10; ++col) {
            h.Press(col, 1);
            h.Press(col, 10);
        }
        { frmStatistics window(h.statistics, nullptr); } // reads every entry

        Entries expected;
        for (const auto& entry : TableOf(h.statistics)) {
            if (clsStatistics::ScoreNumber(entry.second)) {
                expected << entry;
            }
        }
        const int32_t score = 1000;
        const int32_t rank = h.statistics.RankOf(score);
        QVERIFY(rank != 0);
        expected.insert(rank - 1, {QStringLiteral("Winner"), QStringLiteral("1000")});
        while (expected.size() < 10) {
            expected.append({QStringLiteral("-"), QStringLiteral("0")});
        }
        expected.resize(10);
        QVERIFY(h.statistics.AddStatistic(QStringLiteral("Winner"), score));
        QCOMPARE(TableOf(h.statistics), expected);
        QVERIFY2(!h.settings.Bytes().contains("@Invalid()"), h.settings.Bytes().constData());

        h.game->setSounds(false);
        QCOMPARE(Stored::Read(Stored::Key::Sounds), QStringLiteral("off"));
        QCOMPARE(TableOf(h.statistics), expected);
    }

    void failedWritesKeepTheTable_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("folder cannot be made") << int(FolderCannotBeMade);
        QTest::newRow("read-only file and folder") << int(ReadOnly);
        QTest::newRow("lock is a folder") << int(LockIsAFolder);
        QTest::newRow("lock held by a running program") << int(LockHeld);
        QTest::newRow("lock left empty by a writer killed at once") << int(LockEmpty);
        QTest::newRow("file that cannot be read") << int(Unreadable);
        QTest::newRow("someone else's file in a shared folder") << int(SomeoneElses);
        QTest::newRow("a damaged file, and no room for its rewrite") << int(DamagedAndFull);
        QTest::newRow("a rewrite cut inside its last value") << int(CutInsideTheLastValue);
        QTest::newRow("a rewrite cut inside a list") << int(CutInsideAList);
        QTest::newRow("a rewrite cut inside another program's section") << int(CutInsideOthers);
    }
    void failedWritesKeepTheTable() {
        QFETCH(int, how);
        GameHarness h;
        h.statistics.AddStatistic(QStringLiteral("Ann"), 300);
        QTemporaryDir folder;
        QLockFile held(h.settings.File() + QStringLiteral(".lock"));
        std::optional<AsOrdinaryUser> user;
        std::optional<FilesNoLargerThan> full;
        switch (how) {
        case FolderCannotBeMade: {
            // A folder below a plain file cannot be made, whoever runs the test.
            QFile blocker(folder.filePath(QStringLiteral("file")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                               folder.filePath(QStringLiteral("file/settings")));
            break;
        }
        case ReadOnly:
            h.settings.MakeReadOnly();
            user.emplace();
            break;
        case LockIsAFolder:
            QVERIFY(QDir().mkdir(held.fileName()));
            break;
        case LockHeld:
            QVERIFY(held.lock());
            break;
        case LockEmpty: { // nobody can tell whose it is until it is old
            QFile empty(held.fileName());
            QVERIFY(empty.open(QIODevice::WriteOnly));
            break;
        }
        case Unreadable: // the lock can be taken, but the file cannot be copied
            QVERIFY(chmod(qPrintable(h.settings.Folder()), 0777) == 0);
            QVERIFY(chmod(qPrintable(QFileInfo(h.settings.File()).path()), 0777) == 0);
            QVERIFY(chmod(qPrintable(h.settings.File()), 0) == 0);
            user.emplace();
            break;
        case SomeoneElses: // like /tmp: anybody may add files, only their owners replace them
            if (geteuid() != 0) {
                QSKIP("needs a file owned by another user: run as root");
            }
            QVERIFY(chmod(qPrintable(h.settings.Folder()), 0777) == 0);
            QVERIFY(chmod(qPrintable(QFileInfo(h.settings.File()).path()), 01777) == 0);
            QVERIFY(chmod(qPrintable(h.settings.File()), 0666) == 0);
            user.emplace(); // the new file is written, but cannot take the old one's place
            break;
        case DamagedAndFull: { // the damage must not hide that the rewrite could not be made
            const QByteArray damaged =
                "[Orbet%20Score]\n1=300\n[Orbet%20Name]\n1=" + QByteArray(100, 'A') + "\n[x";
            QVERIFY(h.settings.Store(damaged));
            // Room for the lock and the copy, not for any rewrite, which adds a key or more.
            full.emplace(damaged.size() + 8);
            break;
        }
        case CutInsideOthers:
        case CutInsideAList:
        case CutInsideTheLastValue: { // the disk fills up two bytes before the rewrite's end
            if (how != CutInsideTheLastValue) { // damage that reads as a list, not as plain text
                QFile file(h.settings.File());
                QVERIFY(file.open(QIODevice::Append));
                file.write(how == CutInsideAList ? "[Orbet%20Score]\nv=a, b, c\n"
                                                 : "[Another%20Program]\nv=a, b, c\n");
            }
            const QByteArray stored = h.settings.Bytes();
            QVERIFY(h.statistics.AddStatistic(QStringLiteral("Nobody"), 700));
            const QByteArray rewrite = h.settings.Bytes();
            QVERIFY(rewrite.endsWith(how == CutInsideTheLastValue ? "0\n" : "c\n"));
            QVERIFY(h.settings.Store(stored));
            full.emplace(rewrite.size() - 2);
            break;
        }
        }
        const QString before = how == FolderCannotBeMade || how == Unreadable
                                   ? QStringLiteral("0")
                                   : QStringLiteral("300");

        const Deadline deadline(20, "a write to a store that cannot be written");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!h.statistics.AddStatistic(QStringLiteral("Nobody"), 700));
        h.game->setSounds(false);
        QVERIFY2(clock.elapsed() < 5000, "a failed write held the game for seconds");
        h.game->setShapes(true);
        QCOMPARE(h.statistics.GetScore(1), before);
        QCOMPARE(h.statistics.GetScore(2), QStringLiteral("0"));
        QCOMPARE(h.game->Sounds(), false); // for this session only
        QCOMPARE(h.game->Shapes(), true);
        QVERIFY(Stored::Read(Stored::Key::Sounds) != QLatin1String("off"));
        QVERIFY(Stored::Read(Stored::Key::Shapes) != QLatin1String("True"));
        h.Start();
        for (int32_t row = 1; row <= 10; ++row) {
            h.Press(row, row);
            h.Press(11 - row, row);
        }
        QCOMPARE(h.probe().Board().Count(), 100);
    }

    // A save killed midway leaves its scratch folder beside the file: the next save removes
    // it, and nothing that is not surely one.
    void leftScratchFoldersGo_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("gone");
        QTest::newRow("left by a killed save")
            << ".edit-AbC123" << QStringList{"stored.conf", "edited.conf", "edited.conf.lock"}
            << true;
        QTest::newRow("holding a file of another kind")
            << ".edit-AbC123" << QStringList{"stored.conf", "notes.txt"} << false;
        QTest::newRow("named otherwise") << ".edit-notes" << QStringList{"stored.conf"} << false;
        QTest::newRow("a letter too long")
            << ".edit-AbC1234" << QStringList{"stored.conf"} << false;
    }
    void leftScratchFoldersGo() {
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(bool, gone);
        const IsolatedSettings settings;
        const QDir beside = QFileInfo(settings.File()).dir();
        QVERIFY(beside.mkpath(folder));
        for (const QString& file : files) {
            QVERIFY(QFile(beside.filePath(folder + '/' + file)).open(QIODevice::WriteOnly));
        }
        QVERIFY(Stored::WriteSwitch(Stored::Key::Sounds, false));
        QCOMPARE(beside.exists(folder), !gone);
    }

private:
    enum Unwritable {
        FolderCannotBeMade,
        ReadOnly,
        LockIsAFolder,
        LockHeld,
        LockEmpty,
        Unreadable,
        SomeoneElses,
        DamagedAndFull,
        CutInsideTheLastValue,
        CutInsideAList,
        CutInsideOthers
    };
};

QTEST_MAIN(TestDamagedSettings)
#include "tst_damagedsettings.moc"
