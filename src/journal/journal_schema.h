#pragma once

#include "journal/journal_identity.h"

#include <QSqlDatabase>
#include <QString>

namespace zorna::journal {

// The journal's layout. PRAGMA application_id marks the file as a Zorna
// journal; PRAGMA user_version holds the layout's version.
//
// Version 1: games, players, answers, finishes, saves.
// Version 2: answers keep how long the task window was open (open_ms), and an
//            index by name serves the results program's sums without reading
//            the table.
// Version 3: a one-row table `identity` names the journal (a random id, the
//            computer, the account, the program's version, the creation time),
//            so that copies of one journal are known as one. A journal
//            migrated from an older version gets the id its copies derive
//            from its first game (derived = 1).
inline constexpr int kApplicationId = 0x5a524e4a; // "ZRNJ"
inline constexpr int kSchemaVersion = 3;

// What a file is, read from its header and its tables.
struct SchemaInfo {
    enum class Kind {
        Empty,      // a new file: no tables, no marks
        Journal,    // a Zorna journal of version `version`
        Foreign,    // an SQLite file of some other program
        Damaged,    // not an SQLite file, or one that cannot be read
        Unreadable, // could not be opened (missing, no permission, locked)
    };
    Kind kind = Kind::Unreadable;
    int version = 0;
    QString error; // what SQLite said, for the log
    int code = 0;  // SQLite's result code when reading failed
};

SchemaInfo inspect(QSqlDatabase& db);

// Creates the current layout in an empty file, in one transaction.
bool createSchema(QSqlDatabase& db, const JournalIdentity& identity, QString* error);
// Brings a journal of an older version to the current one, one step at a time,
// each step in one transaction (a kill leaves the old or the new version).
// `nowMs` dates the identity of a journal without games (a new one is made).
bool migrate(QSqlDatabase& db, int fromVersion, qint64 nowMs, QString* error);

} // namespace zorna::journal
