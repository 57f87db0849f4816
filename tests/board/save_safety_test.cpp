#include "board/board_support.h"
#include "board/game_files.h"
#include "doubles/failing_file_system.h"
#include "support/board_messages.h"
#include "support/files.h"
#include "support/links.h"
#include "support/test_registry.h"
#include "support/tiny_disk.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace zorna;
using namespace zorna::test;

namespace {

GameRecord makeRecord(int square1, int square2, int numGr) {
    GameRecord r;
    r.names = {QStringLiteral("Оля"), QStringLiteral("Петро"), QString()};
    ZapovnXY(r.players);
    r.players[0].setSquare(square1);
    r.players[1].setSquare(square2);
    r.numGr = numGr;
    return r;
}

// Everything a game folder holds, as bytes; `present` false when it is absent.
struct GameSnapshot {
    bool present = false;
    QMap<QString, QByteArray> files; // relative path -> bytes

    bool operator==(const GameSnapshot&) const = default;
};

GameSnapshot snapshot(const QString& gameFolder) {
    GameSnapshot s;
    s.present = QFileInfo(gameFolder).isDir();
    if (!s.present)
        return s;
    const QDir game(gameFolder);
    for (const QString& name : game.entryList(QDir::Files | QDir::Hidden | QDir::System))
        s.files.insert(name, contentOf(game.filePath(name)));
    const QDir temp(game.filePath(QStringLiteral("Temp")));
    for (const QString& name : temp.entryList(QDir::Files | QDir::Hidden | QDir::System))
        s.files.insert(QStringLiteral("Temp/") + name, contentOf(temp.filePath(name)));
    return s;
}

// A program folder with an earlier save of game 1 (or none) and a working
// folder that differs from it in every file.
struct SaveScene {
    explicit SaveScene(bool earlierSave) {
        if (earlierSave) {
            put(game() + "/date.dat", makeRecord(3, 4, 2).toBytes());
            put(game() + "/statist.dat", QByteArray(84, '\x01'));
            put(game() + "/Temp/2.$$$", QByteArray(44, 'o'));
            put(game() + "/Temp/5.$$$", QByteArray(44, 'p'));
        }
        put(working() + "/2.$$$", QByteArray(44, 'n'));
        put(working() + "/7.$$$", QByteArray(44, 'm'));
        stats.add(1, 4, 1);
        stats.add(2, 7, 2);
    }
    QString save() const { return dir.filePath(QStringLiteral("Save")); }
    QString game() const { return save() + QStringLiteral("/1"); }
    QString working() const { return dir.filePath(QStringLiteral("Temp")); }
    bool write() const {
        QDir().mkpath(save());
        return gamefiles::writeSave(game(), working(), makeRecord(8, 9, 1), stats);
    }
    QStringList saveEntries() const {
        return QDir(save()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
    StatTable stats;
};

} // namespace

class SaveSafetyTest : public QObject {
    Q_OBJECT
private slots:
    // A save that fails at any step, or is killed there and followed by a new
    // start, leaves the game folder as the complete old or the complete new
    // game; a first save leaves no half folder.
    void saveIsAllOrNothing_data() {
        QTest::addColumn<bool>("earlierSave");
        QTest::newRow("first save") << false;
        QTest::newRow("save over an earlier one") << true;
    }
    void saveIsAllOrNothing() {
        QFETCH(bool, earlierSave);
        int steps = 0;
        GameSnapshot newGame;
        {
            SaveScene scene(earlierSave);
            FailingFileSystem counting;
            QVERIFY(scene.write());
            steps = int(counting.steps().size());
            newGame = snapshot(scene.game());
        }
        QCOMPARE(newGame.files.keys(), (QStringList{"Temp/2.$$$", "Temp/7.$$$", "date.dat", "statist.dat"}));
        for (const bool killed : {false, true}) {
            for (int step = 0; step < steps; ++step) {
                SaveScene scene(earlierSave);
                const GameSnapshot oldGame = snapshot(scene.game());
                bool saved = false;
                QString where;
                {
                    FailingFileSystem fs(step, killed);
                    saved = scene.write();
                    where = QStringLiteral("%1 at step %2: %3")
                                .arg(killed ? "killed" : "failed")
                                .arg(step)
                                .arg(fs.failedStep());
                }
                if (!killed) {
                    // The program goes on: the folder is whole right away.
                    const GameSnapshot now = snapshot(scene.game());
                    QVERIFY2(now == oldGame || now == newGame, qPrintable(where));
                    QVERIFY2(!saved || now == newGame, qPrintable(where));
                }
                // The next start puts right what the save left.
                QVERIFY2(gamefiles::recoverInterruptedSaves(scene.save()), qPrintable(where));
                const GameSnapshot now = snapshot(scene.game());
                QVERIFY2(now == oldGame || now == newGame, qPrintable(where));
                QVERIFY2(!saved || now == newGame, qPrintable(where));
                QCOMPARE(scene.saveEntries(), now.present ? QStringList{"1"} : QStringList{});
            }
        }
    }

    // What a failed save tells the players is true: "Гра збережена!" only
    // when the folder holds the new game.
    void boardReportsEveryFailedStep() {
        int steps = 0;
        {
            NewGame g;
            g.tc.programFolder.write(QStringLiteral("Temp/2.$$$"), QByteArray(44, '\0'));
            FailingFileSystem counting;
            saveAnswering(g.tc, *g.board.board, MsgAnswer::Yes);
            QCOMPARE(g.tc.dialogs.asked().last(), kSaved);
            steps = int(counting.steps().size());
        }
        for (int step = 0; step < steps; ++step) {
            NewGame g;
            g.tc.programFolder.write(QStringLiteral("Temp/2.$$$"), QByteArray(44, '\0'));
            FailingFileSystem fs(step);
            saveAnswering(g.tc, *g.board.board, MsgAnswer::Yes);
            const QString where = fs.failedStep();
            const bool complete = gamefiles::readGameRecord(g.tc.programFolder.root() + "/Save/1") &&
                                  gamefiles::readStatTable(g.tc.programFolder.root() + "/Save/1") &&
                                  g.tc.programFolder.exists(QStringLiteral("Save/1/Temp/2.$$$"));
            if (g.tc.dialogs.asked().last() == kSaved) {
                QVERIFY2(complete && g.board->session().isSaved(), qPrintable(where));
            } else {
                QVERIFY2(g.tc.dialogs.asked() == (QList<Message>{kSaveQuestion, kSaveFailed}),
                         qPrintable(where));
                QVERIFY2(!g.board->session().isSaved(), qPrintable(where));
                QVERIFY2(complete || !g.tc.programFolder.exists(QStringLiteral("Save/1")), qPrintable(where));
            }
        }
    }

    // On a real full disk the save fails, says so and keeps the earlier save.
    void fullDiskKeepsTheEarlierSave() {
        TinyDisk disk;
        if (!disk.mounted)
            QSKIP("no tiny file system can be mounted here");
        TestContext tc(fakeCatalog());
        AppContext ctx{tc.clock, tc.rnd, tc.dialogs, tc.help, ProgramFolder(disk.dir.path())};
        FakeRegistration reg;
        QPointer<BoardWindow> board = new BoardWindow(ctx, tc.catalog, reg.start(), [] {});
        board->startGame();
        put(disk.dir.path() + "/Temp/2.$$$", QByteArray(44, '\x01'));
        saveAnswering(tc, *board, MsgAnswer::Yes);
        QCOMPARE(tc.dialogs.asked().last(), kSaved);
        const GameSnapshot earlier = snapshot(disk.dir.path() + "/Save/1");
        play(tc, *board, true);
        QVERIFY(disk.fill());
        tc.dialogs.clear();
        saveAnswering(tc, *board, MsgAnswer::Yes);
        QCOMPARE(tc.dialogs.asked(), (QList<Message>{kSaveQuestion, kSaveFailed}));
        QVERIFY(!board->session().isSaved());
        QCOMPARE(snapshot(disk.dir.path() + "/Save/1"), earlier);
        QCOMPARE(QDir(disk.dir.path() + "/Save").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"1"});
        // A used-picture file is not cut short either.
        QVERIFY(!writeAtStart(disk.dir.path() + "/Temp/2.$$$", QByteArray(44, '\x02')));
        QCOMPARE(contentOf(disk.dir.path() + "/Temp/2.$$$"), QByteArray(44, '\x01'));
        delete board.data();
        settle();
    }

    // Links in a game folder are replaced by the save, never written through.
    void saveReplacesLinksAndLeavesTheirTargets() {
        SaveScene scene(true);
        const QString outside = scene.dir.filePath(QStringLiteral("Outside"));
        put(outside + "/date.dat", "not a game");
        put(outside + "/folder/2.$$$", "mine");
        QVERIFY(QFile::remove(scene.game() + "/date.dat"));
        QVERIFY(QDir(scene.game() + "/Temp").removeRecursively());
        ZORNA_LINK(outside + "/date.dat", scene.game() + "/date.dat");
        ZORNA_LINK(outside + "/folder", scene.game() + "/Temp");
        QVERIFY(scene.write());
        QCOMPARE(contentOf(outside + "/date.dat"), QByteArray("not a game"));
        QCOMPARE(QDir(outside + "/folder").entryList(QDir::Files), QStringList{"2.$$$"});
        QCOMPARE(contentOf(outside + "/folder/2.$$$"), QByteArray("mine"));
        QCOMPARE(entryKind(scene.game() + "/date.dat"), EntryKind::File);
        QCOMPARE(entryKind(scene.game() + "/Temp"), EntryKind::Folder);
        QCOMPARE(gamefiles::readGameRecord(scene.game())->players[0].square(), 8);
    }

    // A save folder that is a link to a folder outside gets no game.
    void saveFolderThatIsALinkGetsNothing() {
        SaveScene scene(false);
        const QString outside = scene.dir.filePath(QStringLiteral("Outside"));
        QVERIFY(QDir().mkpath(outside));
        ZORNA_LINK(outside, scene.save());
        QVERIFY(!scene.write());
        QCOMPARE(
            QDir(outside).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList());
    }

    // A restore copies only the plain files that lie in the game's own Temp.
    void restoreCopiesOnlyPlainFilesOfTheGame_data() {
        QTest::addColumn<bool>("tempIsLink");
        QTest::addColumn<QStringList>("restored");
        QTest::newRow("Temp is a link") << true << QStringList{};
        QTest::newRow("links and a FIFO in Temp") << false << QStringList{"3.$$$"};
    }
    void restoreCopiesOnlyPlainFilesOfTheGame() {
        QFETCH(bool, tempIsLink);
        QFETCH(QStringList, restored);
        SaveScene scene(false);
        QDir(scene.working()).removeRecursively();
        QDir().mkpath(scene.working());
        const QString outside = scene.dir.filePath(QStringLiteral("Outside"));
        put(outside + "/4.$$$", "secret");
        put(scene.game() + "/date.dat", makeRecord(3, 4, 1).toBytes());
        if (tempIsLink) {
            ZORNA_LINK(outside, scene.game() + "/Temp");
        } else {
            put(scene.game() + "/Temp/3.$$$", "ok");
            ZORNA_LINK(outside + "/4.$$$", scene.game() + "/Temp/4.$$$");
            ZORNA_FIFO(scene.game() + "/Temp/5.$$$");
        }
        QVERIFY(!gamefiles::restoreWorkingFolder(scene.game(), scene.working()));
        QCOMPARE(QDir(scene.working()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 restored);
        QCOMPARE(QDir(outside).entryList(QDir::Files), QStringList{"4.$$$"});
        QCOMPARE(contentOf(outside + "/4.$$$"), QByteArray("secret"));
    }

    // Odd date.dat files are refused at once: a FIFO is never waited on, a
    // huge file is not read.
    void oddRecordFilesAreRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("3 GB sparse file with a valid start") << "sparse";
        QTest::newRow("link to a valid record") << "link";
    }
    void oddRecordFilesAreRefused() {
        QFETCH(QString, kind);
        SaveScene scene(false);
        const QString date = scene.game() + "/date.dat";
        QDir().mkpath(scene.game());
        if (kind == QLatin1String("fifo")) {
            ZORNA_FIFO(date);
        } else if (kind == QLatin1String("sparse")) {
            put(date, makeRecord(3, 4, 1).toBytes());
            QFile f(date);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(3LL * 1024 * 1024 * 1024));
        } else {
            put(scene.dir.filePath(QStringLiteral("elsewhere.dat")), makeRecord(3, 4, 1).toBytes());
            ZORNA_LINK(scene.dir.filePath(QStringLiteral("elsewhere.dat")), date);
        }
        QVERIFY(!gamefiles::readGameRecord(scene.game()));
    }
};
ZORNA_TEST_CLASS(SaveSafetyTest)

namespace {

// Puts into `path` what a test case names: a complete game "A", "B" or "C",
// an empty folder, a 4-byte file or a folder holding only statist.dat;
// nothing for "" (and for "link", which the test makes itself).
void putLeftover(const QString& path, const QString& kind) {
    static const QMap<QString, int> squares{{"A", 3}, {"B", 5}, {"C", 7}};
    if (squares.contains(kind)) {
        const int square = squares.value(kind);
        put(path + "/date.dat", makeRecord(square, square + 1, 1).toBytes());
        put(path + "/statist.dat", QByteArray(84, char(square)));
        put(path + "/Temp/2.$$$", QByteArray(44, char(square)));
    } else if (kind == QLatin1String("empty")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("file")) {
        put(path, "1234");
    } else if (kind == QLatin1String("statist")) {
        put(path + "/statist.dat", QByteArray(84, '\x01'));
    }
}

GameSnapshot gameOf(const QString& kind) {
    QTemporaryDir dir;
    if (kind.isEmpty())
        return GameSnapshot();
    putLeftover(dir.filePath(QStringLiteral("game")), kind);
    return snapshot(dir.filePath(QStringLiteral("game")));
}

} // namespace

// What a killed save, a stray copy or a hand-made folder leaves beside a game
// folder: the next start swaps in only a game that reads back whole, removes
// an old game only when the game folder is complete, and keeps every leftover
// that is no complete game aside instead of in the game's place.
class InterruptedSaveRecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void recoveryChecksBeforeItSwaps_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("ready");
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("keptAside");
        QTest::newRow("empty ready folder beside a game") << "A"
                                                          << "empty"
                                                          << ""
                                                          << "A" << 1;
        QTest::newRow("4-byte file named ready beside a game") << "A"
                                                               << "file"
                                                               << ""
                                                               << "A" << 1;
        QTest::newRow("ready holding only statist.dat beside a game") << "A"
                                                                      << "statist"
                                                                      << ""
                                                                      << "A" << 1;
        QTest::newRow("ready as a link to a game outside") << "A"
                                                           << "link"
                                                           << ""
                                                           << "A" << 1;
        QTest::newRow("complete ready beside a game") << "A"
                                                      << "B"
                                                      << ""
                                                      << "B" << 0;
        QTest::newRow("complete ready, the game stepped aside") << ""
                                                                << "B"
                                                                << "A"
                                                                << "B" << 0;
        QTest::newRow("complete ready, a game and an older old one") << "A"
                                                                     << "B"
                                                                     << "C"
                                                                     << "B" << 0;
        QTest::newRow("old beside a complete game") << "A"
                                                    << ""
                                                    << "C"
                                                    << "A" << 0;
        QTest::newRow("old without the game") << ""
                                              << ""
                                              << "C"
                                              << "C" << 0;
        QTest::newRow("old beside a damaged game") << "statist"
                                                   << ""
                                                   << "C"
                                                   << "C" << 1;
        QTest::newRow("damaged old without the game") << ""
                                                      << ""
                                                      << "empty"
                                                      << "" << 1;
        QTest::newRow("damaged ready, old without the game") << ""
                                                             << "statist"
                                                             << "C"
                                                             << "C" << 1;
        QTest::newRow("damaged old beside a damaged game") << "empty"
                                                           << ""
                                                           << "file"
                                                           << "empty" << 1;
    }
    void recoveryChecksBeforeItSwaps() {
        QFETCH(QString, game);
        QFETCH(QString, ready);
        QFETCH(QString, old);
        QFETCH(QString, result);
        QFETCH(int, keptAside);
        QTemporaryDir dir;
        const QString save = dir.filePath(QStringLiteral("Save"));
        const QString outside = dir.filePath(QStringLiteral("Outside"));
        QVERIFY(QDir().mkpath(save));
        putLeftover(save + "/1", game);
        putLeftover(save + "/1~ready", ready);
        putLeftover(save + "/1~old", old);
        if (ready == QLatin1String("link")) {
            putLeftover(outside, QStringLiteral("C"));
            ZORNA_LINK(outside, save + "/1~ready");
        }
        QVERIFY(gamefiles::recoverInterruptedSaves(save));
        QCOMPARE(snapshot(save + "/1"), gameOf(result));
        const QStringList entries =
            QDir(save).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const QString aside = "1~damaged-" + QDate::currentDate().toString(Qt::ISODate);
        QStringList expected;
        if (!result.isEmpty())
            expected << "1";
        for (int n = 1; n <= keptAside; ++n)
            expected << (n == 1 ? aside : aside + "-" + QString::number(n));
        QCOMPARE(entries, expected);
        // What was kept aside is not a game of the list, and nothing outside changed.
        QCOMPARE(gamefiles::savedGameFolders(save), result.isEmpty() ? QStringList() : QStringList{"1"});
        if (entryExists(outside))
            QCOMPARE(snapshot(outside), gameOf("C"));
        // A second start finds nothing more to do.
        QVERIFY(gamefiles::recoverInterruptedSaves(save));
        QCOMPARE(QDir(save).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 entries);
    }
};
ZORNA_TEST_CLASS(InterruptedSaveRecoveryTest)

#include "save_safety_test.moc"
