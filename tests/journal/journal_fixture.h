#pragma once

// Journals made by hand for the tests of the journal and the results program:
// raw SQL on a file, the layout of version 1, fixed time stamps.

#include "journal/journal.h"
#include "journal/journal_schema.h"
#include "journal/sqlite_file.h"

#include "support/files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace zorna::test {

// Milliseconds of a local date and time, as the journal's rows carry them.
inline qint64 msAt(int year, int month, int day, int hour = 10, int minute = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute)).toMSecsSinceEpoch();
}

// A clock for the journal that the test sets.
struct FixedNow {
    qint64 ms = msAt(2026, 3, 2);
    journal::Journal::Now fn() {
        return [this] { return ms; };
    }
};

// Direct SQL on a file, for setting up and checking what the journal holds.
class RawDb {
public:
    explicit RawDb(const QString& path) : file_(path, journal::SqliteFile::Mode::ReadWrite) {}

    // Runs the statement; a failure is returned as SQLite's message.
    QString exec(const QString& sql) {
        QSqlQuery query(file_.db());
        return query.exec(sql) ? QString() : query.lastError().text();
    }
    // The first column of every row.
    QVariantList column(const QString& sql) {
        QSqlQuery query(file_.db());
        QVariantList values;
        if (!query.exec(sql))
            return {QStringLiteral("<error %1>").arg(query.lastError().text())};
        while (query.next())
            values.append(query.value(0));
        return values;
    }
    QVariant scalar(const QString& sql) {
        const QVariantList values = column(sql);
        return values.isEmpty() ? QVariant() : values.first();
    }
    // Every row of the query, its columns joined by "|".
    QStringList rows(const QString& sql) {
        QSqlQuery query(file_.db());
        QStringList out;
        if (!query.exec(sql))
            return {QStringLiteral("<error %1>").arg(query.lastError().text())};
        while (query.next()) {
            QStringList cells;
            for (int i = 0; i < query.record().count(); ++i)
                cells.append(query.value(i).isNull() ? QStringLiteral("NULL") : query.value(i).toString());
            out.append(cells.join(QLatin1Char('|')));
        }
        return out;
    }

private:
    journal::SqliteFile file_;
};

// A journal in the first layout (no open_ms, no index by name), as version 1 wrote it.
inline void makeVersion1Journal(const QString& path) {
    RawDb db(path);
    for (const char* sql : {
             "CREATE TABLE games(id INTEGER PRIMARY KEY, started_ms INTEGER NOT NULL, restored_from TEXT)",
             "CREATE TABLE players(game_id INTEGER NOT NULL, number INTEGER NOT NULL, name TEXT NOT NULL, "
             "PRIMARY KEY(game_id, number)) WITHOUT ROWID",
             "CREATE TABLE answers(id INTEGER PRIMARY KEY, game_id INTEGER NOT NULL, at_ms INTEGER NOT NULL, "
             "player INTEGER NOT NULL, name TEXT NOT NULL, square INTEGER NOT NULL, task INTEGER NOT NULL, "
             "category INTEGER NOT NULL, correct INTEGER NOT NULL)",
             "CREATE TABLE finishes(id INTEGER PRIMARY KEY, game_id INTEGER NOT NULL, at_ms INTEGER NOT "
             "NULL, "
             "player INTEGER NOT NULL, place INTEGER NOT NULL)",
             "CREATE TABLE saves(id INTEGER PRIMARY KEY, game_id INTEGER NOT NULL, at_ms INTEGER NOT NULL, "
             "folder TEXT NOT NULL)",
             "PRAGMA user_version = 1",
             "PRAGMA journal_mode = WAL",
         }) {
        const QString error = db.exec(QString::fromLatin1(sql));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    {
        const QString error =
            db.exec(QStringLiteral("PRAGMA application_id = %1").arg(journal::kApplicationId));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
}

// Puts at `path` a journal in write-ahead-log mode whose last changes are only
// in its log (results.sqlite-wal), as a game of an older version leaves it when
// it is switched off: the journal made by `make` in a staging folder gets the
// statements in WAL mode, and the file and its log are copied while the
// connection is still open (so nothing is checkpointed).
template <typename Make>
void makeJournalWithLog(const QString& path, Make make, const QStringList& statementsInLog) {
    QTemporaryDir staging;
    QVERIFY(staging.isValid());
    const QString staged = staging.filePath(QStringLiteral("results.sqlite"));
    make(staged);
    RawDb db(staged);
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA wal_autocheckpoint = 0"})
        QVERIFY(db.exec(QString::fromLatin1(pragma)).isEmpty());
    for (const QString& statement : statementsInLog) {
        const QString error = db.exec(statement);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    for (const char* file : {"", "-wal"}) {
        QFile::remove(path + QLatin1String(file));
        QVERIFY(QFile::copy(staged + QLatin1String(file), path + QLatin1String(file)));
    }
    QVERIFY(QFileInfo(path + QStringLiteral("-wal")).size() > 0);
}

// Puts at `path` the journal `make` writes with many answers of Петро being committed
// when the program died: the new rows' pages already in the file, the old
// ones in the hot rollback journal beside it. Made by copying both while the
// writing connection, its cache too small to hold the change, is within the
// transaction.
template <typename Make> void makeHotJournal(const QString& path, Make make) {
    QTemporaryDir staging;
    QVERIFY(staging.isValid());
    const QString staged = staging.filePath(QStringLiteral("results.sqlite"));
    make(staged);
    const QByteArray committed = contentOf(staged);
    RawDb db(staged);
    for (const char* sql :
         {"PRAGMA cache_size = 1", "BEGIN IMMEDIATE",
          "INSERT INTO answers(game_id, at_ms, player, name, square, task, category, correct) "
          "SELECT 1, 5, 2, 'Петро', 2, 2, 2, 0 FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION "
          "ALL SELECT i + 1 FROM n WHERE i < 2000) SELECT i FROM n)"})
        QVERIFY(db.exec(QString::fromLatin1(sql)).isEmpty());
    QVERIFY(QFileInfo(staged + QStringLiteral("-journal")).size() > 0);
    QVERIFY2(contentOf(staged) != committed, "the change was not spilled into the file");
    for (const char* file : {"", "-journal"})
        QVERIFY(QFile::copy(staged + QLatin1String(file), path + QLatin1String(file)));
    QVERIFY(db.exec("ROLLBACK").isEmpty());
}

// Names in the folder (files, links, hidden ones), to show nothing was made beside a journal.
inline QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// One task result with the fields a test cares about.
inline journal::AnswerRecord answer(int player, const QString& name, int square, int category, bool right,
                                    qint64 openMs = 1500) {
    return {player, name, square, square, category, right, openMs};
}

} // namespace zorna::test
