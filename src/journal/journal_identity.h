#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace zorna::journal {

// Who made a journal: every copy of one journal carries the same identity,
// whatever its folder or file name.
struct JournalIdentity {
    QString id;       // random id made when the journal is created (QUuid text)
    QString computer; // the computer's name when it was created
    QString account;  // the user account that created it
    QString version;  // the program's version that created it
    qint64 createdMs = 0;
    // True for a journal of an older layout without an identity of its own:
    // the id is derived from its first game, the same in each of its copies
    // and in the journal the game migrated.
    bool derived = false;
    bool operator==(const JournalIdentity&) const = default;
};

// The identity of a journal made now on this computer.
JournalIdentity newIdentity(qint64 nowMs);

// The identity of a journal of an older layout (before the identity table),
// derived from its first game (the lowest id: its start and players' names),
// so that every copy of it derives the same. The id is empty for a journal
// without games: nothing in it tells its copies apart from other journals.
std::optional<JournalIdentity> derivedIdentity(QSqlDatabase& db, QString* error);
// The id of a journal without games, read from `path`: its own, as it has no
// rows that could be counted twice.
QString idOfEmptyJournal(const QString& path);

// The identity row of a journal of the current layout; nothing (and `error`)
// when it cannot be read or is missing.
std::optional<JournalIdentity> storedIdentity(QSqlDatabase& db, QString* error);

// Writes the identity row (in the caller's transaction).
bool storeIdentity(QSqlDatabase& db, const JournalIdentity& identity, QString* error);

// The identity table of the layout.
QString identityTable();

} // namespace zorna::journal
