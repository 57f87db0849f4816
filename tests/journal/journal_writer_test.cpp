#include "doubles/failing_file_system.h"
#include "journal/journal.h"
#include "journal/journal_reader.h"
#include "journal/journal_schema.h"
#include "journal_fixture.h"
#include "platform/file_system.h"
#include "support/child_process.h"
#include "support/files.h"
#include "support/links.h"
#include "support/test_registry.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zorna;
using namespace zorna::journal;
using namespace zorna::test;

namespace {

// A games folder in a temporary directory with the journal's path in it.
struct JournalFolder {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("results.sqlite")); }
    QString file(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
};

// A journal with one game and one answer, closed again.
void writeOneGame(const QString& path, FixedNow& now) {
    Journal journal(path, now.fn());
    QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
    QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));
}

} // namespace

class JournalWriterTest : public QObject {
    Q_OBJECT
private slots:
    // Every kind of row with its values, as the results program reads them back.
    void rowsOfAGame() {
        JournalFolder folder;
        FixedNow now;
        {
            Journal journal(folder.path(), now.fn());
            QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral(" Петро ")}));
            now.ms += 60'000;
            QVERIFY(journal.taskResult({1, QStringLiteral("Оля"), 10, 10, 3, true, 4200}));
            now.ms += 60'000;
            QVERIFY(journal.taskResult({2, QStringLiteral(" Петро "), 13, 26, 6, false, 950}));
            QVERIFY(journal.saved(QStringLiteral("2")));
            QVERIFY(journal.finished(1, 1));
            QVERIFY(journal.finished(2, 2));
        }
        RawDb db(folder.path());
        const qint64 t0 = msAt(2026, 3, 2);
        QCOMPARE(db.rows("SELECT id, started_ms, restored_from FROM games"),
                 QStringList{QStringLiteral("1|%1|NULL").arg(t0)});
        QCOMPARE(db.rows("SELECT game_id, number, name FROM players"),
                 (QStringList{"1|1|Оля", "1|2| Петро "}));
        QCOMPARE(db.rows("SELECT game_id, at_ms, player, name, square, task, category, correct, open_ms "
                         "FROM answers ORDER BY id"),
                 (QStringList{QStringLiteral("1|%1|1|Оля|10|10|3|1|4200").arg(t0 + 60'000),
                              QStringLiteral("1|%1|2| Петро |13|26|6|0|950").arg(t0 + 120'000)}));
        QCOMPARE(db.rows("SELECT game_id, player, place FROM finishes ORDER BY id"),
                 (QStringList{"1|1|1", "1|2|2"}));
        QCOMPARE(db.rows("SELECT game_id, at_ms, folder FROM saves"),
                 QStringList{QStringLiteral("1|%1|2").arg(t0 + 120'000)});
        // Rollback mode: the file alone holds every row.
        QCOMPARE(db.scalar("PRAGMA journal_mode").toString(), QStringLiteral("delete"));
        QCOMPARE(db.scalar("PRAGMA user_version").toInt(), kSchemaVersion);
        QCOMPARE(db.scalar("PRAGMA application_id").toInt(), kApplicationId);
    }

    // A restored game gets an id of its own that names the saved game; a second
    // run of the program adds to the same file.
    void restoredGameRecordsItsSource() {
        JournalFolder folder;
        FixedNow now;
        writeOneGame(folder.path(), now);
        Journal journal(folder.path(), now.fn());
        QVERIFY(journal.gameRestored(QStringLiteral("3"), {QStringLiteral("Оля"), QStringLiteral("Петро")}));
        QCOMPARE(journal.gameId(), std::optional<qint64>(2));
        QVERIFY(journal.taskResult(answer(2, QStringLiteral("Петро"), 5, 2, false)));
        RawDb db(folder.path());
        QCOMPARE(db.rows("SELECT id, restored_from FROM games"), (QStringList{"1|NULL", "2|3"}));
        QCOMPARE(db.rows("SELECT game_id, name FROM answers ORDER BY id"), (QStringList{"1|Оля", "2|Петро"}));
    }

    // A process killed at any moment leaves a file that opens intact with every
    // row it reported written, and at most the one it was writing besides.
    void killedWriterKeepsEveryCommittedRow_data() {
        QTest::addColumn<int>("killAfter");
        QTest::newRow("first row") << 1;
        QTest::newRow("a game's worth") << 60;
        QTest::newRow("many rows") << 300;
    }
    void killedWriterKeepsEveryCommittedRow() {
        QFETCH(int, killAfter);
        ZORNA_NEEDS_CHILD_PROCESS();
        JournalFolder folder;
        QProcess child;
        child.start(QStringLiteral(ZORNA_JOURNAL_CHILD), {folder.path()});
        QVERIFY(child.waitForStarted());
        long reported = 0;
        QByteArray pending;
        while (reported < killAfter) {
            QVERIFY2(child.waitForReadyRead(10'000), "the writer stopped writing");
            pending += child.readAllStandardOutput();
            const qsizetype lineEnd = pending.lastIndexOf('\n');
            if (lineEnd < 0)
                continue;
            const QList<QByteArray> lines = pending.left(lineEnd).split('\n');
            reported = lines.last().toLong();
            pending = pending.mid(lineEnd + 1);
        }
        child.kill(); // SIGKILL: no destructor, no checkpoint
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // Rows reported after the count we stopped reading at are in the pipe.
        reported += child.readAllStandardOutput().count('\n');

        QVERIFY(!QFile::exists(folder.path() + QStringLiteral("-wal")));
        // A copy of the file alone holds every row committed, unless the kill
        // fell within a commit's write to the file (its rollback journal is
        // beside it then, and the game rolls it back when it opens it).
        const bool withinACommit = fileSize(folder.path() + QStringLiteral("-journal")) > 0;
        const QString alone = folder.file(QStringLiteral("alone/results.sqlite"));
        put(alone, contentOf(folder.path()));
        RawDb db(folder.path());
        QCOMPARE(db.scalar("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
        const qint64 rows = db.scalar("SELECT count(*) FROM answers").toLongLong();
        QVERIFY2(rows == reported || rows == reported + 1,
                 qPrintable(QStringLiteral("%1 rows, %2 reported").arg(rows).arg(reported)));
        // The rows are the first ones, in order, none missing between them.
        QCOMPARE(db.scalar("SELECT max(open_ms) FROM answers").toLongLong(), rows);
        QCOMPARE(db.scalar("SELECT count(DISTINCT open_ms) FROM answers").toLongLong(), rows);
        if (!withinACommit) {
            RawDb copy(alone);
            QCOMPARE(copy.scalar("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
            QCOMPARE(copy.scalar("SELECT count(*) FROM answers").toLongLong(), rows);
        }
    }

    // A file of version 1 is brought to the current version in place: the old
    // rows stay, new rows carry how long the window was open.
    void migratesVersion1() {
        JournalFolder folder;
        makeVersion1Journal(folder.path());
        {
            RawDb db(folder.path());
            QVERIFY(db.exec("INSERT INTO games VALUES (1, 100, NULL)").isEmpty());
            QVERIFY(db.exec("INSERT INTO players VALUES (1, 1, 'Оля'), (1, 2, 'Петро')").isEmpty());
            QVERIFY(db.exec("INSERT INTO answers VALUES (1, 1, 200, 1, 'Оля', 4, 4, 1, 1)").isEmpty());
            QVERIFY(db.exec("INSERT INTO saves VALUES (1, 1, 300, '1')").isEmpty());
        }
        FixedNow now;
        {
            Journal journal(folder.path(), now.fn());
            QVERIFY(
                journal.gameRestored(QStringLiteral("1"), {QStringLiteral("Оля"), QStringLiteral("Петро")}));
            QVERIFY(journal.taskResult(answer(2, QStringLiteral("Петро"), 5, 2, false, 777)));
        }
        RawDb db(folder.path());
        QCOMPARE(db.scalar("PRAGMA user_version").toInt(), kSchemaVersion);
        QCOMPARE(db.rows("SELECT id, game_id, name, open_ms FROM answers ORDER BY id"),
                 (QStringList{"1|1|Оля|NULL", "2|2|Петро|777"}));
        QCOMPARE(
            db.column("SELECT name FROM sqlite_schema WHERE type = 'index' AND name = 'answers_by_name'"),
            QVariantList{QStringLiteral("answers_by_name")});
        QCOMPARE(db.rows("SELECT id, restored_from FROM games"), (QStringList{"1|NULL", "2|1"}));
    }

    // A file that is no journal of ours is kept aside, byte for byte, under a
    // dated name, and a new journal starts in its place.
    void unusableFileMovedAside_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("takenAside");
        QTest::newRow("text") << QByteArray("Оля 5 Петро 3\n").repeated(300) << QString();
        QTest::newRow("a cut header") << QByteArray("SQLite format 3\0\x10\0\x01\x01", 20) << QString();
        QTest::newRow("an earlier one aside already")
            << QByteArray(5000, '\xff') << QStringLiteral("results.damaged-2026-03-02.sqlite");
        QTest::newRow("a foreign database") << QByteArray() << QString();
    }
    void unusableFileMovedAside() {
        QFETCH(QByteArray, content);
        QFETCH(QString, takenAside);
        JournalFolder folder;
        if (content.isEmpty()) {
            RawDb foreign(folder.path());
            QVERIFY(foreign.exec("CREATE TABLE notes(text TEXT)").isEmpty());
            QVERIFY(foreign.exec("INSERT INTO notes VALUES ('список класу')").isEmpty());
        } else {
            put(folder.path(), content);
        }
        const QByteArray before = contentOf(folder.path());
        if (!takenAside.isEmpty())
            put(folder.file(takenAside), "earlier");
        FixedNow now;
        Journal journal(folder.path(), now.fn());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal unusable, moved aside"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged results journal kept as"));
        QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));

        const QString aside = takenAside.isEmpty() ? QStringLiteral("results.damaged-2026-03-02.sqlite")
                                                   : QStringLiteral("results.damaged-2026-03-02-2.sqlite");
        QCOMPARE(contentOf(folder.file(aside)), before);
        if (!takenAside.isEmpty())
            QCOMPARE(contentOf(folder.file(takenAside)), QByteArray("earlier"));
        JournalReader reader(folder.path());
        QCOMPARE(reader.problem(), JournalReader::Problem::None);
        QCOMPARE(reader.games().size(), std::size_t(1));
    }

    // Damage that shows only when a row is written (the answers' pages): the
    // file goes aside with its log and the game goes on in a new journal,
    // starting with that game's players.
    void damageFoundWhileWriting() {
        JournalFolder folder;
        FixedNow now;
        writeOneGame(folder.path(), now);
        int rootPage = 0;
        {
            RawDb db(folder.path());
            rootPage = db.scalar("SELECT rootpage FROM sqlite_schema WHERE name = 'answers'").toInt();
            QVERIFY(db.exec("PRAGMA wal_checkpoint(TRUNCATE)").isEmpty());
        }
        QVERIFY(rootPage > 1);
        QByteArray bytes = contentOf(folder.path());
        bytes.replace((rootPage - 1) * 4096, 4096, QByteArray(4096, '\x5a'));
        put(folder.path(), bytes);

        Journal journal(folder.path(), now.fn());
        QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("row not written \\( task result \\)"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged results journal kept as"));
        QVERIFY(journal.taskResult(answer(2, QStringLiteral("Петро"), 7, 5, true)));

        // Closing the file put this run's game start into it; its damaged page is kept as it was.
        const QByteArray aside = contentOf(folder.file("results.damaged-2026-03-02.sqlite"));
        QCOMPARE(aside.mid((rootPage - 1) * 4096, 4096), QByteArray(4096, '\x5a'));
        QVERIFY(!QFile::exists(folder.file("results.damaged-2026-03-02.sqlite-wal")));
        RawDb db(folder.path());
        QCOMPARE(db.rows("SELECT games.id, number, name FROM games JOIN players ON game_id = games.id"),
                 (QStringList{"1|1|Оля", "1|2|Петро"}));
        QCOMPARE(db.rows("SELECT game_id, name, category FROM answers"), QStringList{"1|Петро|5"});
    }

    // What the game cannot write is logged and dropped; the game is never held up.
    void failuresAreLoggedAndDropped() {
        JournalFolder folder;
        FixedNow now;
        Journal journal(folder.file("missing/results.sqlite"), now.fn());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("results journal not opened: .*missing/results.sqlite"));
        QVERIFY(!journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        QVERIFY(!journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));
        QVERIFY(!journal.finished(1, 1));
        QVERIFY(!journal.gameId());
        QVERIFY(folder.entries().isEmpty());
    }

    // When the damaged file cannot be renamed, nothing is lost or written over:
    // the journal stays off and the file stays as it was.
    void damagedFileThatCannotMoveIsLeftAlone() {
        JournalFolder folder;
        put(folder.path(), QByteArray(3000, 'x'));
        FailingFileSystem failing(QRegularExpression("^rename "));
        FixedNow now;
        Journal journal(folder.path(), now.fn());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal unusable"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged results journal not moved aside"));
        QVERIFY(!journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        QCOMPARE(contentOf(folder.path()), QByteArray(3000, 'x'));
        QCOMPARE(folder.entries(), QStringList{"results.sqlite"});
    }

    // A journal from a newer version of the game is neither changed nor moved,
    // nor is its log merged in: the file and its log stay byte for byte, and
    // nothing is made beside them.
    void newerJournalLeftAlone_data() {
        QTest::addColumn<bool>("withLog");
        QTest::newRow("a file alone") << false;
        QTest::newRow("rows only in its log") << true;
    }
    void newerJournalLeftAlone() {
        QFETCH(bool, withLog);
        JournalFolder folder;
        FixedNow now;
        const QString newer = QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion + 1);
        if (withLog) {
            makeJournalWithLog(folder.path(), [&now](const QString& path) { writeOneGame(path, now); },
                               {newer, QStringLiteral("INSERT INTO games(started_ms) VALUES (7)")});
        } else {
            writeOneGame(folder.path(), now);
            QVERIFY(RawDb(folder.path()).exec(newer).isEmpty());
        }
        const QStringList entries = folder.entries();
        const QByteArray file = contentOf(folder.path());
        const QByteArray log = contentOf(folder.path() + QStringLiteral("-wal"));
        {
            Journal journal(folder.path(), now.fn());
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("written by a newer version"));
            QVERIFY(!journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
            QVERIFY(!journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));
            QVERIFY(!journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        }
        QCOMPARE(contentOf(folder.path()), file);
        QCOMPARE(contentOf(folder.path() + QStringLiteral("-wal")), log);
        QCOMPARE(folder.entries(), entries);
    }

    // An older journal in write-ahead-log mode, its newest rows only in the
    // log, is turned into a file that holds everything on its own.
    void olderLogJournalBecomesWhole() {
        JournalFolder folder;
        FixedNow now;
        makeJournalWithLog(folder.path(),
                           [](const QString& path) {
                               makeVersion1Journal(path);
                               QVERIFY(RawDb(path).exec("INSERT INTO games VALUES (1, 100, NULL)").isEmpty());
                           },
                           {QStringLiteral("INSERT INTO players VALUES (1, 1, 'Оля')"),
                            QStringLiteral("INSERT INTO answers VALUES (1, 1, 200, 1, 'Оля', 4, 4, 1, 1)")});
        {
            Journal journal(folder.path(), now.fn());
            QVERIFY(journal.gameStarted({QStringLiteral("Петро")}));
            QVERIFY(journal.taskResult(answer(1, QStringLiteral("Петро"), 2, 2, true)));
        }
        QCOMPARE(folder.entries(), QStringList{"results.sqlite"});
        const QString alone = folder.file(QStringLiteral("alone/results.sqlite"));
        put(alone, contentOf(folder.path()));
        RawDb db(alone);
        QCOMPARE(db.scalar("PRAGMA journal_mode").toString(), QStringLiteral("delete"));
        QCOMPARE(db.scalar("PRAGMA user_version").toInt(), kSchemaVersion);
        QCOMPARE(db.rows("SELECT game_id, name FROM answers ORDER BY id"), (QStringList{"1|Оля", "2|Петро"}));
    }

    // Only plain files are written: a link in the place of the journal or of
    // a side file is removed as a link, what it leads to stays as it was, and
    // the rows go into a real file in the games folder.
    void linksAreNotFollowed_data() {
        QTest::addColumn<QString>("linkName");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("midGame");
        QTest::newRow("to an empty file") << "results.sqlite"
                                          << "empty" << false;
        QTest::newRow("dangling") << "results.sqlite"
                                  << "missing" << false;
        QTest::newRow("to another journal") << "results.sqlite"
                                            << "journal" << false;
        QTest::newRow("rollback journal to a file") << "results.sqlite-journal"
                                                    << "empty" << false;
        QTest::newRow("log to a file") << "results.sqlite-wal"
                                       << "empty" << false;
        QTest::newRow("rollback journal, mid-game") << "results.sqlite-journal"
                                                    << "missing" << true;
        QTest::newRow("journal swapped for a link, mid-game") << "results.sqlite"
                                                              << "journal" << true;
    }
    void linksAreNotFollowed() {
        QFETCH(QString, linkName);
        QFETCH(QString, target);
        QFETCH(bool, midGame);
#ifdef Q_OS_WIN
        if (midGame && linkName == "results.sqlite")
            QSKIP("Windows removes no file the journal holds open, so it cannot be swapped for a link");
#endif
        {
            // Skipped here where no link can be made, before the messages below are expected.
            QTemporaryDir probe;
            ZORNA_LINK(probe.filePath(QStringLiteral("target")), probe.filePath(QStringLiteral("link")));
        }
        JournalFolder folder;
        QTemporaryDir outside;
        FixedNow now;
        const QString targetPath = outside.filePath(QStringLiteral("target.sqlite"));
        if (target == "empty")
            put(targetPath, QByteArray());
        if (target == "journal")
            writeOneGame(targetPath, now);
        const QByteArray targetBefore = contentOf(targetPath);
        const QString link = folder.file(linkName);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("a link in its place removed"));
        Journal journal(folder.path(), now.fn());
        if (midGame) {
            QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
            if (linkName == "results.sqlite") {
                QVERIFY(QFile::remove(link));
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal gone from its place"));
            }
        }
        ZORNA_LINK(targetPath, link);
        if (!midGame)
            QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));

        QCOMPARE(contentOf(targetPath), targetBefore);
        QCOMPARE(namesIn(outside.path()),
                 target == "missing" ? QStringList() : QStringList{QStringLiteral("target.sqlite")});
        QCOMPARE(entryKind(folder.path()), EntryKind::File);
        QCOMPARE(folder.entries(), QStringList{"results.sqlite"});
        // The game's start is in the journal with its answer, in a new file too.
        RawDb db(folder.path());
        QCOMPARE(db.rows("SELECT games.id, name FROM games JOIN answers ON game_id = games.id"),
                 QStringList{"1|Оля"});
        QCOMPARE(db.scalar("SELECT started_ms FROM games").toLongLong(), now.ms);
    }

    // A journal a crash left within a commit (its rollback journal beside it)
    // is rolled back when the game opens it, and written on.
    void crashWithinACommitRolledBack() {
        JournalFolder folder;
        FixedNow now;
        makeHotJournal(folder.path(), [&now](const QString& path) { writeOneGame(path, now); });
        {
            Journal journal(folder.path(), now.fn());
            QVERIFY(journal.gameStarted({QStringLiteral("Ян")}));
            QVERIFY(journal.taskResult(answer(1, QStringLiteral("Ян"), 3, 3, true)));
        }
        QCOMPARE(folder.entries(), QStringList{"results.sqlite"});
        RawDb db(folder.path());
        QCOMPARE(db.scalar("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
        QCOMPARE(db.rows("SELECT game_id, name FROM answers ORDER BY id"), (QStringList{"1|Оля", "2|Ян"}));
    }

    // A journal that could not be opened is tried again at the next row; the
    // game's start, kept by the writer, goes in first, so its answers belong
    // to it. The failure is logged once, not at every row.
    void openedLaterKeepsTheGame() {
        JournalFolder folder;
        const QString gamesFolder = folder.file(QStringLiteral("games"));
        const QString path = gamesFolder + QStringLiteral("/results.sqlite");
        FixedNow now;
        const qint64 startedMs = now.ms;
        Journal journal(path, now.fn());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal not opened"));
        QVERIFY(!journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        now.ms += 60'000;
        QVERIFY(!journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));
        QVERIFY(QDir().mkpath(gamesFolder));
        now.ms += 60'000;
        QVERIFY(journal.taskResult(answer(2, QStringLiteral("Петро"), 2, 3, false)));
        QVERIFY(journal.finished(2, 1));
        QCOMPARE(journal.gameId(), std::optional<qint64>(1));
        RawDb db(path);
        QCOMPARE(db.rows("SELECT id, started_ms FROM games"),
                 QStringList{QStringLiteral("1|%1").arg(startedMs)});
        QCOMPARE(db.rows("SELECT game_id, number, name FROM players"), (QStringList{"1|1|Оля", "1|2|Петро"}));
        QCOMPARE(db.rows("SELECT game_id, name FROM answers"), QStringList{"1|Петро"});
        QCOMPARE(db.rows("SELECT game_id, player, place FROM finishes"), QStringList{"1|2|1"});
    }
};

ZORNA_TEST_CLASS(JournalWriterTest)
#include "journal_writer_test.moc"
