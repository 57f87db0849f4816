#include "journal/journal.h"
#include "journal/journal_reader.h"
#include "journal/journal_schema.h"
#include "journal_fixture.h"
#include "platform/this_computer.h"
#include "support/files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace zorna;
using namespace zorna::journal;
using namespace zorna::test;

namespace {

// A journal of the given layout version with two games of Оля and Петро:
// version 1 and 2 are made by hand, the current one by the game.
void makeJournal(const QString& path, int version, FixedNow& now) {
    if (version == kSchemaVersion) {
        Journal journal(path, now.fn());
        QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1, 1, true)));
        QVERIFY(journal.finished(1, 1));
        QVERIFY(journal.gameStarted({QStringLiteral("Ян")}));
        QVERIFY(journal.taskResult(answer(1, QStringLiteral("Ян"), 2, 2, false)));
        return;
    }
    makeVersion1Journal(path);
    RawDb db(path);
    QVERIFY(db.exec(QStringLiteral("INSERT INTO games VALUES (1, %1, NULL), (2, %2, NULL)")
                        .arg(now.ms)
                        .arg(now.ms + 1000))
                .isEmpty());
    QVERIFY(db.exec("INSERT INTO players VALUES (1, 1, 'Оля'), (1, 2, 'Петро'), (2, 1, 'Ян')").isEmpty());
    QVERIFY(db.exec(QStringLiteral("INSERT INTO answers VALUES (1, 1, %1, 1, 'Оля', 1, 1, 1, 1), "
                                   "(2, 2, %2, 1, 'Ян', 2, 2, 2, 0)")
                        .arg(now.ms + 500)
                        .arg(now.ms + 1500))
                .isEmpty());
    QVERIFY(db.exec("INSERT INTO finishes VALUES (1, 1, 1, 1, 1)").isEmpty());
    if (version == 2) {
        QVERIFY(db.exec("ALTER TABLE answers ADD COLUMN open_ms INTEGER").isEmpty());
        QVERIFY(db.exec("PRAGMA user_version = 2").isEmpty());
    }
    QVERIFY(db.exec("PRAGMA wal_checkpoint(TRUNCATE)").isEmpty());
}

// A byte copy of a journal file alone, as a teacher makes one.
void copyBytes(const QString& from, const QString& to) {
    put(to, contentOf(from));
}

} // namespace

class JournalIdentityTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    // A new journal names itself at creation: a random id, this computer, the
    // account, the program's version and the time; the counts cover its rows.
    void newJournalCarriesItsIdentity() {
        const QString path = dir_->filePath(QStringLiteral("results.sqlite"));
        FixedNow now;
        makeJournal(path, kSchemaVersion, now);
        JournalReader reader(path);
        QCOMPARE(reader.problem(), JournalReader::Problem::None);
        const JournalIdentity& identity = reader.identity();
        QVERIFY(!QUuid::fromString(identity.id).isNull());
        QCOMPARE(identity.computer, computerName());
        QCOMPARE(identity.account, accountName());
        QCOMPARE(identity.version, programVersion());
        QVERIFY(!identity.version.isEmpty());
        QCOMPARE(identity.createdMs, now.ms);
        QVERIFY(!identity.derived);
        // 2 games, 3 players, 2 answers, 1 finish.
        QCOMPARE(reader.rowCount(), qint64(8));
        QCOMPARE(reader.answerCount(), qint64(2));
        QCOMPARE(reader.lastAnswerMs(), std::optional<qint64>(now.ms));

        const QString other = dir_->filePath(QStringLiteral("other.sqlite"));
        makeJournal(other, kSchemaVersion, now);
        QVERIFY(JournalReader(other).identity().id != identity.id);
    }

    // Every copy of one journal is known as that journal: byte copies, copies
    // made by copyJournal, and an older journal's copy made before the game
    // migrated the original.
    void copiesShareTheIdentity_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("migrateOriginal");
        QTest::newRow("current layout") << kSchemaVersion << false;
        QTest::newRow("version 2") << 2 << false;
        QTest::newRow("version 2, then migrated") << 2 << true;
        QTest::newRow("version 1, then migrated") << 1 << true;
    }
    void copiesShareTheIdentity() {
        QFETCH(int, version);
        QFETCH(bool, migrateOriginal);
        const QString original = dir_->filePath(QStringLiteral("results.sqlite"));
        const QString byteCopy = dir_->filePath(QStringLiteral("Комп1 (копія)/results-копія.sqlite"));
        const QString madeCopy = dir_->filePath(QStringLiteral("copy.sqlite"));
        FixedNow now;
        makeJournal(original, version, now);
        copyBytes(original, byteCopy);
        QString error;
        QVERIFY2(copyJournal(original, madeCopy, &error), qPrintable(error));
        if (migrateOriginal) {
            now.ms += 86'400'000;
            Journal journal(original, now.fn());
            QVERIFY(journal.gameStarted({QStringLiteral("Оля")}));
            QCOMPARE(RawDb(original).scalar("PRAGMA user_version").toInt(), kSchemaVersion);
        }
        const JournalReader first(original);
        QCOMPARE(first.problem(), JournalReader::Problem::None);
        QCOMPARE(first.identity().derived, version < kSchemaVersion);
        for (const QString& copy : {byteCopy, madeCopy}) {
            const JournalReader reader(copy);
            QCOMPARE(reader.problem(), JournalReader::Problem::None);
            QCOMPARE(reader.identity().id, first.identity().id);
            QCOMPARE(reader.rowCount(), qint64(8));
        }
        // The migrated original holds one game and player more: it is the copy to read.
        QCOMPARE(first.rowCount(), qint64(migrateOriginal ? 10 : 8));
    }

    // Older journals of different games are told apart; one without games has
    // an id of its own file (it holds nothing to count twice).
    void olderJournalsAreToldApart() {
        FixedNow now;
        const QString a = dir_->filePath(QStringLiteral("a.sqlite"));
        const QString b = dir_->filePath(QStringLiteral("b.sqlite"));
        makeJournal(a, 2, now);
        now.ms += 1;
        makeJournal(b, 2, now);
        QVERIFY(JournalReader(a).identity().id != JournalReader(b).identity().id);

        const QString empty1 = dir_->filePath(QStringLiteral("e1.sqlite"));
        const QString empty2 = dir_->filePath(QStringLiteral("e2.sqlite"));
        makeVersion1Journal(empty1);
        copyBytes(empty1, empty2);
        const JournalReader e1(empty1);
        const JournalReader e2(empty2);
        QCOMPARE(e1.problem(), JournalReader::Problem::None);
        QVERIFY(!e1.identity().id.isEmpty());
        QVERIFY(e1.identity().id != e2.identity().id);
        QCOMPARE(e1.rowCount(), qint64(0));
        QCOMPARE(e1.lastAnswerMs(), std::nullopt);
    }

    // The game migrating a journal without games gives it a new identity of its own.
    void migratedJournalWithoutGamesGetsANewIdentity() {
        const QString path = dir_->filePath(QStringLiteral("results.sqlite"));
        makeVersion1Journal(path);
        FixedNow now;
        {
            Journal journal(path, now.fn());
            QVERIFY(journal.gameStarted({QStringLiteral("Оля")}));
        }
        const JournalReader reader(path);
        QCOMPARE(reader.version(), kSchemaVersion);
        QVERIFY(!reader.identity().derived);
        QVERIFY(!QUuid::fromString(reader.identity().id).isNull());
        QCOMPARE(reader.identity().createdMs, now.ms);
    }

    // A journal of the current layout whose identity row is gone is damaged, not
    // a journal of unknown origin that could be counted twice.
    void missingIdentityRowIsDamage() {
        const QString path = dir_->filePath(QStringLiteral("results.sqlite"));
        FixedNow now;
        makeJournal(path, kSchemaVersion, now);
        QVERIFY(RawDb(path).exec("DELETE FROM identity").isEmpty());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal not read"));
        QCOMPARE(JournalReader(path).problem(), JournalReader::Problem::Damaged);
    }

    // A copy is whole in its one file, taken while the game holds the journal
    // open, and never written over an existing file.
    void copyJournalWhileTheGameWrites() {
        const QString path = dir_->filePath(QStringLiteral("results.sqlite"));
        const QString copy = dir_->filePath(QStringLiteral("stick/pc1-2026-03-02.sqlite"));
        QVERIFY(QDir().mkpath(dir_->filePath(QStringLiteral("stick"))));
        FixedNow now;
        Journal journal(path, now.fn());
        QVERIFY(journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
        for (int i = 0; i < 5; ++i)
            QVERIFY(journal.taskResult(answer(1, QStringLiteral("Оля"), 1 + i, 1, true)));
        QString error;
        QVERIFY2(copyJournal(path, copy, &error), qPrintable(error));
        // The game goes on writing after the copy.
        QVERIFY(journal.taskResult(answer(2, QStringLiteral("Петро"), 7, 1, true)));
        QCOMPARE(QDir(dir_->filePath(QStringLiteral("stick"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("pc1-2026-03-02.sqlite")});
        const JournalReader reader(copy);
        QCOMPARE(reader.problem(), JournalReader::Problem::None);
        QCOMPARE(reader.answerCount(), qint64(5));
        QCOMPARE(reader.identity(), JournalReader(path).identity());

        const QByteArray before = contentOf(copy);
        QVERIFY(!copyJournal(path, copy, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(contentOf(copy), before);
    }

    // A copy is made without writing beside the journal: from a folder that
    // cannot be written, and from an older journal whose newest rows are in
    // its log (they are in the copy, which is whole on its own).
    void copyJournalLeavesTheSourceAlone_data() {
        QTest::addColumn<bool>("withLog");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("read-only folder") << false << true;
        QTest::newRow("rows in the log") << true << false;
        QTest::newRow("rows in the log, read-only folder") << true << true;
    }
    void copyJournalLeavesTheSourceAlone() {
        QFETCH(bool, withLog);
        QFETCH(bool, readOnlyFolder);
        const QString folder = dir_->filePath(QStringLiteral("pc1"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/results.sqlite");
        FixedNow now;
        const QString lastAnswer =
            QStringLiteral("INSERT INTO answers(game_id, at_ms, player, name, square, task, "
                           "category, correct) VALUES (2, 9, 1, 'Ян', 3, 3, 3, 1)");
        if (withLog) {
            makeJournalWithLog(path, [&now](const QString& at) { makeJournal(at, 2, now); }, {lastAnswer});
        } else {
            makeJournal(path, kSchemaVersion, now);
            QVERIFY(RawDb(path).exec(lastAnswer).isEmpty());
        }
        const QStringList entries = namesIn(folder);
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const QString copy = dir_->filePath(QStringLiteral("copy.sqlite"));
        QString error;
        const bool copied = copyJournal(path, copy, &error);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(copied, qPrintable(error));
        QCOMPARE(namesIn(folder), entries);
        QCOMPARE(namesIn(dir_->path()), (QStringList{"copy.sqlite", "pc1"}));
        {
            RawDb db(copy);
            QCOMPARE(db.scalar("PRAGMA journal_mode").toString(), QStringLiteral("delete"));
        }
        const JournalReader reader(copy);
        QCOMPARE(reader.problem(), JournalReader::Problem::None);
        QCOMPARE(reader.answerCount(), qint64(3));
        QCOMPARE(reader.identity(), JournalReader(path).identity());
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

ZORNA_TEST_CLASS(JournalIdentityTest)
#include "journal_identity_test.moc"
