#include "journal/journal.h"
#include "journal/journal_reader.h"
#include "journal/journal_schema.h"
#include "journal_fixture.h"
#include "support/files.h"
#include "support/links.h"
#include "support/test_registry.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace zorna;
using namespace zorna::journal;
using namespace zorna::test;

Q_DECLARE_METATYPE(JournalReader::Problem)

namespace {

// The sums as "name category+ xN" (- for wrong answers), in name order.
QString counted(const std::vector<CategoryCount>& counts) {
    QMap<QString, qint64> sums;
    for (const CategoryCount& c : counts)
        sums[QStringLiteral("%1 %2%3").arg(c.name).arg(c.category).arg(c.right ? "+" : "-")] += c.count;
    QStringList out;
    for (auto it = sums.begin(); it != sums.end(); ++it)
        out.append(QStringLiteral("%1 x%2").arg(it.key()).arg(it.value()));
    return out.join(QStringLiteral(", "));
}

} // namespace

class JournalReaderTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dirHolder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dirHolder_->isValid());
    }

    // Games with their players and places, saves, and answers summed per
    // spelling, category and right or wrong, within a span of time.
    void readsWhatTheGameWrote() {
        const QString path = dirHolder_->filePath(QStringLiteral("games.sqlite"));
        FixedNow now;
        {
            Journal journal(path, now.fn());
            QVERIFY(
                journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро"), QStringLiteral("Ян")}));
            QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));
            QVERIFY(journal.taskResult(answer(2, QStringLiteral("Петро"), 1, 1, false)));
            now.ms = msAt(2026, 3, 3);
            QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 2, 1, true)));
            QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 3, 4, false)));
            QVERIFY(journal.saved(QStringLiteral("4")));
            QVERIFY(journal.gameRestored(
                QStringLiteral("4"), {QStringLiteral("Оля"), QStringLiteral("Петро"), QStringLiteral("Ян")}));
            now.ms = msAt(2026, 3, 4);
            QVERIFY(journal.taskResult(answer(3, QStringLiteral("Ян"), 3, 7, true)));
            QVERIFY(journal.finished(3, 1));
            QVERIFY(journal.finished(1, 2));
        }
        JournalReader reader(path);
        QCOMPARE(reader.problem(), JournalReader::Problem::None);
        QCOMPARE(reader.version(), kSchemaVersion);
        QCOMPARE(reader.games().size(), std::size_t(2));
        const GameRow& second = reader.games()[1];
        QCOMPARE(second.restoredFrom, QStringLiteral("4"));
        QCOMPARE(second.names, (QStringList{"Оля", "Петро", "Ян"}));
        QCOMPARE(second.places, (std::map<int, int>{{1, 2}, {3, 1}}));
        QCOMPARE(reader.saves().size(), std::size_t(1));
        QCOMPARE(reader.saves()[0].gameId, reader.games()[0].id);
        QCOMPARE(reader.saves()[0].folder, QStringLiteral("4"));

        QCOMPARE(counted(reader.categoryCounts({})),
                 QStringLiteral("Оля 1+ x2, Оля 4- x1, Петро 1- x1, Ян 7+ x1"));
        const std::vector<CategoryCount> march3 =
            reader.categoryCounts({msAt(2026, 3, 3, 0), msAt(2026, 3, 4, 0)});
        QCOMPARE(counted(march3), QStringLiteral("Оля 1+ x1, Оля 4- x1"));

        std::vector<AnswerRow> olya = reader.answersOf({QStringLiteral("Оля")}, {});
        std::sort(olya.begin(), olya.end(),
                  [](const AnswerRow& a, const AnswerRow& b) { return a.atMs < b.atMs; });
        QCOMPARE(olya.size(), std::size_t(3));
        QCOMPARE(olya[2].category, 4);
        QCOMPARE(olya[2].right, false);
        QCOMPARE(olya[0].atMs, msAt(2026, 3, 2));
        QCOMPARE(reader.answersOf({QStringLiteral("Ян"), QStringLiteral("Петро")}, {}).size(),
                 std::size_t(2));
    }

    // The reader sees every committed row while the game still has the file open.
    void readsWhileTheGameWrites() {
        const QString path = dirHolder_->filePath(QStringLiteral("live.sqlite"));
        FixedNow now;
        Journal journal(path, now.fn());
        QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 2, true)));
        JournalReader reader(path);
        QCOMPARE(reader.problem(), JournalReader::Problem::None);
        QCOMPARE(counted(reader.categoryCounts({})), QStringLiteral("Оля 2+ x1"));
        // The open reader does not hold the game up.
        QVERIFY(journal.taskResult(answer(2, QStringLiteral("Петро"), 1, 2, true)));
    }

    // A version 1 journal reads as it is, without being changed.
    void readsVersion1WithoutChangingIt() {
        const QString path = dirHolder_->filePath(QStringLiteral("old.sqlite"));
        makeVersion1Journal(path);
        {
            RawDb db(path);
            QVERIFY(db.exec("INSERT INTO games VALUES (1, 100, NULL)").isEmpty());
            QVERIFY(db.exec("INSERT INTO players VALUES (1, 1, 'Оля'), (1, 2, 'Петро')").isEmpty());
            QVERIFY(db.exec("INSERT INTO answers VALUES (1, 1, 200, 1, 'Оля', 4, 4, 1, 1)").isEmpty());
            QVERIFY(db.exec("PRAGMA wal_checkpoint(TRUNCATE)").isEmpty());
        }
        const QByteArray before = contentOf(path);
        JournalReader reader(path);
        QCOMPARE(reader.problem(), JournalReader::Problem::None);
        QCOMPARE(reader.version(), 1);
        QCOMPARE(counted(reader.categoryCounts({})), QStringLiteral("Оля 1+ x1"));
        QCOMPARE(contentOf(path), before);
    }

    // Rows the game would never write (a damaged or edited file) are left out
    // instead of counted somewhere.
    void leavesOutRowsOutOfRange() {
        const QString path = dirHolder_->filePath(QStringLiteral("odd.sqlite"));
        FixedNow now;
        {
            Journal journal(path, now.fn());
            QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
            QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 7, true)));
        }
        {
            RawDb db(path);
            for (const char* row : {"(1, 5, 1, 'Оля', 1, 1, 0, 1, 0)", "(1, 5, 1, 'Оля', 1, 1, 8, 1, 0)",
                                    "(1, 5, 1, 'Оля', 1, 1, 'x', 1, 0)", "(1, 5, 1, '   ', 1, 1, 2, 1, 0)",
                                    "(1, 5, 1, 'Оля', 1, 1, 7, 5, 0)"})
                QVERIFY(
                    db.exec(QStringLiteral("INSERT INTO answers(game_id, at_ms, player, name, square, task, "
                                           "category, correct, open_ms) VALUES ") +
                            QString::fromUtf8(row))
                        .isEmpty());
            QVERIFY(db.exec("INSERT INTO players VALUES (1, 7, 'Чужий'), (9, 1, 'Ніхто')").isEmpty());
            QVERIFY(db.exec("INSERT INTO finishes(game_id, at_ms, player, place) VALUES (1, 5, 1, 9), "
                            "(1, 5, 4, 1), (7, 5, 1, 1)")
                        .isEmpty());
        }
        JournalReader reader(path);
        QCOMPARE(counted(reader.categoryCounts({})), QStringLiteral("Оля 7+ x2"));
        QCOMPARE(reader.answersOf({QStringLiteral("Оля")}, {}).size(), std::size_t(2));
        QCOMPARE(reader.games().size(), std::size_t(1));
        QCOMPARE(reader.games()[0].names, (QStringList{"Оля", "Петро"}));
        QVERIFY(reader.games()[0].places.empty());
    }

    // Reading creates, changes and removes nothing beside the journal, in a
    // folder that cannot be written too; the rows of an older journal that are
    // only in its log are counted; a crash's rollback journal beside a file is
    // rolled back in a private copy, not in the file.
    void readingLeavesTheFolderAsItIs_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rollback mode") << "rollback" << false << "Оля 1+ x1, Петро 2- x1";
        QTest::newRow("rollback mode, read-only folder") << "rollback" << true << "Оля 1+ x1, Петро 2- x1";
        QTest::newRow("rows only in the log") << "log" << false << "Оля 1+ x1, Петро 2- x1";
        QTest::newRow("rows only in the log, read-only folder") << "log" << true << "Оля 1+ x1, Петро 2- x1";
        QTest::newRow("log mode, no log beside it") << "log mode" << false << "Оля 1+ x1";
        QTest::newRow("log mode, no log beside it, read-only folder") << "log mode" << true << "Оля 1+ x1";
        QTest::newRow("a crash within a commit") << "hot" << false << "Оля 1+ x1";
        QTest::newRow("a crash within a commit, read-only folder") << "hot" << true << "Оля 1+ x1";
    }
    void readingLeavesTheFolderAsItIs() {
        QFETCH(QString, kind);
        QFETCH(bool, readOnlyFolder);
        QFETCH(QString, expected);
        const QString folder = dirHolder_->filePath(QStringLiteral("stick"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/results.sqlite");
        FixedNow now;
        const auto firstAnswer = [&now](const QString& at) {
            Journal journal(at, now.fn());
            QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
            QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));
        };
        const QString second = QStringLiteral(
            "INSERT INTO answers(game_id, at_ms, player, name, square, task, category, correct, open_ms) "
            "VALUES (1, 5, 2, 'Петро', 2, 2, 2, 0, 10)");
        if (kind == "rollback") {
            firstAnswer(path);
            QVERIFY(RawDb(path).exec(second).isEmpty());
        } else if (kind == "log") {
            makeJournalWithLog(path, firstAnswer, {second});
        } else if (kind == "log mode") {
            makeVersion1Journal(path);
            RawDb db(path);
            QVERIFY(db.exec("INSERT INTO games VALUES (1, 100, NULL)").isEmpty());
            QVERIFY(db.exec("INSERT INTO answers VALUES (1, 1, 200, 1, 'Оля', 1, 1, 1, 1)").isEmpty());
        } else {
            makeHotJournal(path, firstAnswer);
        }
        const QStringList entries = namesIn(folder);
        QMap<QString, QByteArray> bytes;
        for (const QString& entry : entries)
            bytes[entry] = contentOf(folder + QLatin1Char('/') + entry);
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        {
            JournalReader reader(path);
            QCOMPARE(reader.problem(), JournalReader::Problem::None);
            QCOMPARE(counted(reader.categoryCounts({})), expected);
            QCOMPARE(namesIn(folder), entries);
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(namesIn(folder), entries);
        for (const QString& entry : entries)
            QCOMPARE(contentOf(folder + QLatin1Char('/') + entry), bytes[entry]);
    }

    // A link or a folder in the place of a side file is not followed: the
    // journal is not read.
    void sideFileLinkRefused() {
        const QString path = dirHolder_->filePath(QStringLiteral("results.sqlite"));
        FixedNow now;
        {
            Journal journal(path, now.fn());
            QVERIFY(journal.gameStarted({QStringLiteral("Оля")}));
        }
        QTemporaryDir outside;
        put(outside.filePath(QStringLiteral("log")), QByteArray(64, 'x'));
        ZORNA_LINK(outside.filePath(QStringLiteral("log")), path + QStringLiteral("-wal"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a plain file beside the journal"));
        JournalReader reader(path);
        QCOMPARE(reader.problem(), JournalReader::Problem::Unreadable);
        QCOMPARE(contentOf(outside.filePath(QStringLiteral("log"))), QByteArray(64, 'x'));
    }

    // Whatever is not a readable journal is named as such and read no further.
    void problems_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<JournalReader::Problem>("problem");
        QTest::newRow("missing") << "missing" << JournalReader::Problem::Missing;
        QTest::newRow("a folder") << "folder" << JournalReader::Problem::NotAJournal;
        QTest::newRow("a text file") << "text" << JournalReader::Problem::NotAJournal;
        QTest::newRow("an empty file") << "empty" << JournalReader::Problem::NotAJournal;
        QTest::newRow("another program's database") << "foreign" << JournalReader::Problem::NotAJournal;
        QTest::newRow("a newer journal") << "newer" << JournalReader::Problem::Newer;
        QTest::newRow("tables gone") << "no tables" << JournalReader::Problem::Damaged;
        QTest::newRow("a page written over") << "page" << JournalReader::Problem::Damaged;
    }
    void problems() {
        QFETCH(QString, setup);
        QFETCH(JournalReader::Problem, problem);
        const QString path = dirHolder_->filePath(QStringLiteral("bad.sqlite"));
        if (setup == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else if (setup == "text") {
            put(path, "Оля;5;3\n");
        } else if (setup == "empty") {
            put(path, QByteArray());
        } else if (setup == "foreign") {
            RawDb db(path);
            QVERIFY(db.exec("CREATE TABLE answers(x)").isEmpty());
        } else if (setup != "missing") {
            FixedNow now;
            {
                Journal journal(path, now.fn());
                QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
                for (int i = 0; i < 200; ++i)
                    QVERIFY(
                        journal.taskResult(answer(1, QStringLiteral("Оля"), 1 + i % 32, 1 + i % 7, true)));
            }
            RawDb db(path);
            if (setup == "newer")
                QVERIFY(
                    db.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion + 1)).isEmpty());
            if (setup == "no tables")
                QVERIFY(db.exec("DROP TABLE saves").isEmpty());
            if (setup == "page") {
                const int root =
                    db.scalar("SELECT rootpage FROM sqlite_schema WHERE name = 'players'").toInt();
                QVERIFY(db.exec("PRAGMA wal_checkpoint(TRUNCATE)").isEmpty());
                QByteArray bytes = contentOf(path);
                bytes.replace((root - 1) * 4096, 4096, QByteArray(4096, '\x33'));
                put(path, bytes);
            }
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal not read"));
        JournalReader reader(path);
        QCOMPARE(reader.problem(), problem);
        QVERIFY(reader.games().empty());
        QVERIFY(reader.categoryCounts({}).empty());
    }

private:
    std::unique_ptr<QTemporaryDir> dirHolder_;
};

ZORNA_TEST_CLASS(JournalReaderTest)
#include "journal_reader_test.moc"
