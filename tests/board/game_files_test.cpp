#include "board/board_support.h"
#include "board/game_files.h"
#include "doubles/failing_file_system.h"
#include "stats/statistics_window.h"
#include "support/board_messages.h"
#include "support/links.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

class GameFilesTest : public QObject {
    Q_OBJECT
private slots:
    void freeFolderNumber_data() {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QStringList{} << QStringList{} << QStringLiteral("1");
        QTest::newRow("1 2 4") << QStringList{"1", "2", "4"} << QStringList{} << QStringLiteral("3");
        QTest::newRow("1 2 4 and a file 3")
            << QStringList{"1", "2", "4"} << QStringList{"3"} << QStringLiteral("5");
        QTest::newRow("only 10") << QStringList{"10", "x"} << QStringList{} << QStringLiteral("1");
    }
    void freeFolderNumber() {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, files);
        QFETCH(QString, name);
        TestContext tc;
        for (const QString& f : folders)
            tc.programFolder.write(QStringLiteral("Save/%1/date.dat").arg(f), QByteArray(1744, '\0'));
        for (const QString& f : files)
            tc.programFolder.write(QStringLiteral("Save/%1").arg(f), "x");
        tc.ctx.folder.ensureFolder(QStringLiteral("Save"));
        QCOMPARE(gamefiles::freeGameFolderName(tc.ctx.folder.saveFolder()), name);
    }

    void firstSaveWritesTheRecordByteForByte() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        reg.names = {QStringLiteral("  Оля Ґудзь "), QStringLiteral("Петро"), QStringLiteral("не гравець")};
        BoardUnderTest board(tc, reg);
        board->startGame();
        play(tc, *board.board, true);  // Оля: square 1 -> 2, category 4 correct
        play(tc, *board.board, false); // Петро: category 4 incorrect
        tc.programFolder.write(QStringLiteral("Temp/2.$$$"), QByteArray(44, '\x01'));
        tc.dialogs.clear();
        saveAnswering(tc, *board.board, MsgAnswer::Yes);
        QCOMPARE(tc.dialogs.asked(), (QList<Message>{kSaveQuestion, kSaved}));
        QVERIFY(board->session().isSaved());
        QVERIFY(board->session().hasFolder());
        QCOMPARE(board->session().folderName(), QStringLiteral("1"));

        // Expected date.dat, written out by hand.
        QByteArray expected;
        expected += QByteArray("\x02\x00", 2);
        const auto name = [](const QByteArray& cp1251) {
            return cp1251 + QByteArray(50 - cp1251.size(), ' ');
        };
        expected += name("\xCE\xEB\xFF \xA5\xF3\xE4\xE7\xFC"); // "Оля Ґудзь" in Windows-1251
        expected += name("\xCF\xE5\xF2\xF0\xEE");              // "Петро"
        expected += name("");
        for (int p = 0; p < 2; ++p) {
            for (int s = 1; s <= 88; ++s) {
                const int row = (s - 1) / 11, place = (s - 1) % 11;
                const int left = row % 2 == 0 ? 27 + 72 * place : 747 - 72 * place;
                const int top = 21 + 72 * row + (p == 0 ? -13 : 0);
                expected += char(left & 0xff);
                expected += char(left >> 8);
                expected += char(top & 0xff);
                expected += char(top >> 8);
            }
            expected += QByteArray(176, '\0');
            expected += p == 0 ? QByteArray("\x02\x00", 2) : QByteArray("\x01\x00", 2);
        }
        expected += QByteArray(530, '\0');
        expected += QByteArray("\x01\x00", 2); // Оля's turn again
        const QByteArray date = tc.programFolder.read(QStringLiteral("Save/1/date.dat"));
        QCOMPARE(date.size(), 1744);
        QCOMPARE(date, expected);

        QByteArray stat(84, '\0');
        stat[2 * (0 + 3 * 3)] = 1;      // player 1, category 4, correct
        stat[2 * (1 + 3 * 3 + 21)] = 1; // player 2, category 4, incorrect
        QCOMPARE(tc.programFolder.read(QStringLiteral("Save/1/statist.dat")), stat);
        QCOMPARE(tc.programFolder.read(QStringLiteral("Save/1/Temp/2.$$$")), QByteArray(44, '\x01'));
    }

    void savingTwiceUsesTheSameFolder() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), QByteArray(1744, '\0'));
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->startGame();
        saveAnswering(tc, *board.board, MsgAnswer::Yes);
        QCOMPARE(board->session().folderName(), QStringLiteral("2"));
        play(tc, *board.board, true);
        QVERIFY(!board->session().isSaved());
        // A used-picture file made after the first save travels with the second.
        tc.programFolder.write(QStringLiteral("Temp/7.$$$"), QByteArray(44, '\x02'));
        saveAnswering(tc, *board.board, MsgAnswer::Yes);
        QCOMPARE(board->session().folderName(), QStringLiteral("2"));
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/3")));
        QCOMPARE(tc.programFolder.read(QStringLiteral("Save/2/Temp/7.$$$")), QByteArray(44, '\x02'));
        const std::optional<StatTable> stats = gamefiles::readStatTable(tc.programFolder.root() + "/Save/2");
        QVERIFY(stats);
        QCOMPARE(stats->at(1, 4, 1), qint16(1));
        const std::optional<GameRecord> record =
            gamefiles::readGameRecord(tc.programFolder.root() + "/Save/2");
        QVERIFY(record);
        QCOMPARE(record->players[0].square(), 2);
        QCOMPARE(record->numGr, 2);
    }

    void saveAnsweredNoChangesNothing() {
        NewGame g;
        saveAnswering(g.tc, *g.board.board, MsgAnswer::No);
        QCOMPARE(g.tc.dialogs.asked(), QList<Message>{kSaveQuestion});
        QVERIFY(!g.tc.programFolder.exists(QStringLiteral("Save/1")));
        QVERIFY(!g.board->session().isSaved());
    }

    void failedSaveWarnsAndKeepsTheEarlierSave() {
        NewGame g;
        saveAnswering(g.tc, *g.board.board, MsgAnswer::Yes);
        const QByteArray firstDate = g.tc.programFolder.read(QStringLiteral("Save/1/date.dat"));
        play(g.tc, *g.board.board, true);
        g.tc.programFolder.write(QStringLiteral("Temp/2.$$$"), QByteArray(44, '\0'));
        g.tc.dialogs.clear();
        g.tc.dialogs.answer(MsgAnswer::Yes);
        {
            // The disk fills up while date.dat is written.
            FailingFileSystem full(QRegularExpression(QStringLiteral("^write .*/date\\.dat$")));
            g.board->saveGame();
            QVERIFY(!full.failedStep().isEmpty());
        }
        QCOMPARE(g.tc.dialogs.asked(), (QList<Message>{kSaveQuestion, kSaveFailed}));
        QVERIFY(!g.board->session().isSaved());
        QCOMPARE(g.tc.programFolder.read(QStringLiteral("Save/1/date.dat")), firstDate);
        QVERIFY(gamefiles::readGameRecord(g.tc.programFolder.root() + "/Save/1"));
    }

    void failedFirstSaveIsReported() {
        TestContext tc(fakeCatalog());
        // Something that is not a folder stands where the save folder belongs.
        tc.programFolder.write(QStringLiteral("Save"), "not a folder");
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->startGame();
        saveAnswering(tc, *board.board, MsgAnswer::Yes);
        QCOMPARE(tc.dialogs.asked(), (QList<Message>{kSaveQuestion, kSaveFailed}));
        QVERIFY(!board->session().isSaved());
        QVERIFY(!board->session().hasFolder());
        QCOMPARE(tc.programFolder.read(QStringLiteral("Save")), QByteArray("not a folder"));
    }

    void namesOutsideTheCodePageAndLongNames() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        reg.names = {QStringLiteral("Мар\u2019яна 😀"), QString(60, QChar(0x0416)), QString()};
        BoardUnderTest board(tc, reg);
        board->startGame();
        saveAnswering(tc, *board.board, MsgAnswer::Yes);
        const QByteArray date = tc.programFolder.read(QStringLiteral("Save/1/date.dat"));
        QCOMPARE(date.size(), 1744);
        // U+2019 is in Windows-1251 (0x92); the emoji is not and becomes one "?".
        QCOMPARE(date.mid(2, 50), QByteArray("\xCC\xE0\xF0\x92\xFF\xED\xE0 ?") + QByteArray(41, ' '));
        QCOMPARE(date.mid(52, 50), QByteArray(50, '\xC6'));
        const std::optional<GameRecord> record =
            gamefiles::readGameRecord(tc.programFolder.root() + "/Save/1");
        QVERIFY(record);
        QCOMPARE(record->names[1], QString(50, QChar(0x0416)));
    }

    void restoreHandMadeGame() {
        TestContext tc(fakeCatalog());
        saveFixture(tc, QStringLiteral("4"), 3, {12, 33, 24}, 3,
                    statBytes({{1, 2, 1, 5}, {2, 7, 2, 3}, {3, 6, 1, 9}}));
        tc.programFolder.write(QStringLiteral("Save/4/Temp/17.$$$"), QByteArray(44, '\x03'));
        tc.programFolder.write(QStringLiteral("Temp/99.$$$"), "old game");
        FakeRegistration reg;
        reg.count = 3;
        openSaved(tc, reg, QStringLiteral("4"));
        BoardUnderTest board(tc, reg);
        QVERIFY(tc.dialogs.asked().isEmpty());
        QCOMPARE(board->session().currentPlayer(), 3);
        QCOMPARE(board->turnLabel()->text(), QStringLiteral("Іра"));
        QVERIFY(board->turnLabel()->styleSheet().contains(QStringLiteral("rgb(0, 0, 255)")));
        QCOMPARE(board->chip(1)->pos(), chipPosition(1, 12));
        QCOMPARE(board->chip(2)->pos(), chipPosition(2, 33));
        QCOMPARE(board->chip(3)->pos(), chipPosition(3, 24));
        QCOMPARE(board->chipPicture(1), 3);
        QCOMPARE(board->chipPicture(3), 1);
        QVERIFY(board->session().game().finished(2));
        QCOMPARE(board->session().game().finishedCount(), 1);
        for (int p = 1; p <= 3; ++p)
            QVERIFY(!board->session().game().slideBack(p));
        QCOMPARE(board->session().stats().at(1, 2, 1), qint16(5));
        QCOMPARE(board->session().stats().at(2, 7, 2), qint16(3));
        QCOMPARE(board->session().stats().at(3, 6, 1), qint16(9));
        QVERIFY(!board->startButton()->isEnabled());
        QVERIFY(!board->nextButton()->isHidden());
        QVERIFY(board->nextButton()->isEnabled());
        QVERIFY(board->session().isSaved());
        QVERIFY(board->session().hasFolder());
        QCOMPARE(board->session().folderName(), QStringLiteral("4"));
        // The working folder holds exactly the saved game's files.
        QCOMPARE(filesIn(tc.ctx.folder.workingFolder()), QStringList{QStringLiteral("17.$$$")});
        QCOMPARE(tc.programFolder.read(QStringLiteral("Temp/17.$$$")), QByteArray(44, '\x03'));

        // A save writes back into the same folder.
        saveAnswering(tc, *board.board, MsgAnswer::Yes);
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/1")));
        QCOMPARE(gamefiles::readGameRecord(tc.programFolder.root() + "/Save/4")->numGr, 3);
    }

    void restoreWithoutOrWithShortStatistics_data() {
        QTest::addColumn<QByteArray>("stat");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("too short") << statBytes({{1, 1, 1, 4}}).left(83);
    }
    void restoreWithoutOrWithShortStatistics() {
        QFETCH(QByteArray, stat);
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 2, {3, 4}, 2, stat);
        BoardUnderTest board(tc, reg);
        QCOMPARE(board->session().stats(), StatTable());
        QCOMPARE(board->session().currentPlayer(), 2);
        QVERIFY(board->nextButton()->isEnabled());
    }

    // Names in the game folder match without regard to letter case; the next
    // save writes the game in the usual spelling, as one whole folder.
    void restoreUpperCaseNames() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(
            QStringLiteral("Save/1/DATE.DAT"),
            gameRecordBytes(2, {QStringLiteral("Оля"), QStringLiteral("Петро")}, {5, 6}, 2));
        tc.programFolder.write(QStringLiteral("Save/1/STATIST.DAT"), statBytes({{2, 3, 1, 4}}));
        tc.programFolder.write(QStringLiteral("Save/1/TEMP/17.$$$"), QByteArray(44, '\x03'));
        FakeRegistration reg;
        openSaved(tc, reg, QStringLiteral("1"));
        BoardUnderTest board(tc, reg);
        QVERIFY(tc.dialogs.asked().isEmpty());
        QCOMPARE(board->session().currentPlayer(), 2);
        QCOMPARE(board->session().game().players()[0].square(), 5);
        QCOMPARE(board->session().stats().at(2, 3, 1), qint16(4));
        QCOMPARE(tc.programFolder.read(QStringLiteral("Temp/17.$$$")), QByteArray(44, '\x03'));
        saveAnswering(tc, *board.board, MsgAnswer::Yes);
        QCOMPARE(tc.dialogs.asked().last(), kSaved);
        QCOMPARE(QDir(tc.programFolder.root() + "/Save/1").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"date.dat", "statist.dat", "Temp"}));
        QCOMPARE(tc.programFolder.read(QStringLiteral("Save/1/Temp/17.$$$")), QByteArray(44, '\x03'));
    }

    // Counts stay within 0..32767: the top one stops there, a negative one
    // from a damaged file reads as 0.
    void countsStayInRange() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 2, {1, 1}, 1, statBytes({{1, 4, 1, 32767}, {2, 4, 2, -5}}));
        BoardUnderTest board(tc, reg);
        QCOMPARE(board->session().stats().at(2, 4, 2), qint16(0));
        play(tc, *board.board, true); // Оля answers right in category 4
        QCOMPARE(board->session().stats().at(1, 4, 1), qint16(32767));
        board->showStatistics();
        QCOMPARE(board->statisticsWindow()->countLabel(1, 4, 1)->text(), QStringLiteral("32767"));
        QCOMPARE(board->statisticsWindow()->countLabel(2, 4, 2)->text(), QStringLiteral("0"));
        board->statisticsWindow()->close();
        settle();
        saveAnswering(tc, *board.board, MsgAnswer::Yes);
        const QByteArray stat = tc.programFolder.read(QStringLiteral("Save/1/statist.dat"));
        QCOMPARE(stat.mid(2 * StatTable::index(1, 4, 1), 2), QByteArray("\xff\x7f", 2));
        QCOMPARE(stat.mid(2 * StatTable::index(2, 4, 2), 2), QByteArray("\x00\x00", 2));
    }

    void restoreFinishedGame() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 2, {33, 33}, 1, statBytes({{1, 3, 1, 2}}));
        BoardUnderTest board(tc, reg);
        QCOMPARE(tc.dialogs.asked(), QList<Message>{kGameOver});
        QVERIFY(!board->nextButton()->isEnabled());
        QVERIFY(!board->startButton()->isEnabled());
        QCOMPARE(board->session().game().finishedCount(), 2);
        QCOMPARE(board->session().stats().at(1, 3, 1), qint16(2));
        board->nextTask(); // nothing to play
        QVERIFY(!board->taskWindow());
    }

    void restoreTurnOfFinishedPlayerPassesOn() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 3, {33, 5, 6}, 1);
        BoardUnderTest board(tc, reg);
        QCOMPARE(board->session().currentPlayer(), 2);
        QCOMPARE(board->turnLabel()->text(), QStringLiteral("Петро"));
    }

    void brokenRecordIsNotOpened() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), QByteArray(100, '\0'));
        FakeRegistration reg;
        openSaved(tc, reg, QStringLiteral("1"));
        BoardUnderTest board(tc, reg);
        QCOMPARE(tc.dialogs.asked().size(), 1);
        QCOMPARE(tc.dialogs.asked().first().icon, MsgIcon::Warning);
        QVERIFY(!board->nextButton()->isEnabled());
        QVERIFY(!board->saveButton()->isEnabled());
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save/1/date.dat")));
    }

    void removeGameFolderStaysInside() {
        TestContext tc;
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), "d");
        tc.programFolder.write(QStringLiteral("Save/1/Temp/2.$$$"), "t");
        tc.programFolder.write(QStringLiteral("Outside/keep.txt"), "keep");
        tc.programFolder.write(QStringLiteral("Outside/sub/keep2.txt"), "keep");
        const QString root = tc.programFolder.root();
        ZORNA_LINK(root + "/Outside", root + "/Save/1/Temp/link");
        ZORNA_LINK(root + "/Outside/keep.txt", root + "/Save/1/filelink");
        ZORNA_LINK(root + "/Outside", root + "/Save/7");

        // Not inside the save folder: nothing happens.
        QVERIFY(!gamefiles::removeGameFolder(root + "/Save", root + "/Outside"));
        QVERIFY(!gamefiles::removeGameFolder(root + "/Save", root + "/Save/1/Temp"));
        QVERIFY(!gamefiles::removeGameFolder(root + "/Save", root + "/Save/../Outside"));
        QVERIFY(!gamefiles::removeGameFolder(root + "/Save", root + "/Save/7/sub"));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Outside/sub/keep2.txt")));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save/1/Temp/2.$$$")));

        QVERIFY(gamefiles::removeGameFolder(root + "/Save", root + "/Save/1"));
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/1")));
        // A link named like a game goes as a link.
        QVERIFY(gamefiles::removeGameFolder(root + "/Save", root + "/Save/7"));
        QVERIFY(!QFileInfo(root + "/Save/7").isSymLink());
        QCOMPARE(tc.programFolder.read(QStringLiteral("Outside/keep.txt")), QByteArray("keep"));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Outside/sub/keep2.txt")));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save")));
        // A save folder that is a link removes nothing where it leads.
        ZORNA_LINK(root + "/Outside", root + "/Save2");
        QVERIFY(!gamefiles::removeGameFolder(root + "/Save2", root + "/Save2/sub"));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Outside/sub/keep2.txt")));
    }
};

ZORNA_TEST_CLASS(GameFilesTest)
#include "game_files_test.moc"
