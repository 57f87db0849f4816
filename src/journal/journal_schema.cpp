#include "journal/journal_schema.h"

#include "journal/sqlite_file.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace zorna::journal {

namespace {

using Step = std::function<bool(QSqlDatabase& db, QString* error)>;

// Runs the statements, then `more` when given, in one transaction; false
// (rolled back) at the first failure.
bool runInTransaction(QSqlDatabase& db, const QStringList& statements, QString* error,
                      const Step& more = {}) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        *error = query.lastError().text();
        return false;
    }
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            *error = query.lastError().text() + QStringLiteral(" (") + statement + QLatin1Char(')');
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    if (more && !more(db, error)) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        *error = query.lastError().text();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}

const QString kIndexByName =
    QStringLiteral("CREATE INDEX answers_by_name ON answers(name, category, correct, at_ms, game_id)");

// Version 3 in full.
QStringList currentLayout() {
    return {
        QStringLiteral("CREATE TABLE games(id INTEGER PRIMARY KEY, started_ms INTEGER NOT NULL, "
                       "restored_from TEXT)"),
        QStringLiteral("CREATE TABLE players(game_id INTEGER NOT NULL, number INTEGER NOT NULL, "
                       "name TEXT NOT NULL, PRIMARY KEY(game_id, number)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE answers(id INTEGER PRIMARY KEY, game_id INTEGER NOT NULL, "
                       "at_ms INTEGER NOT NULL, player INTEGER NOT NULL, name TEXT NOT NULL, "
                       "square INTEGER NOT NULL, task INTEGER NOT NULL, category INTEGER NOT NULL, "
                       "correct INTEGER NOT NULL, open_ms INTEGER)"),
        kIndexByName,
        QStringLiteral("CREATE TABLE finishes(id INTEGER PRIMARY KEY, game_id INTEGER NOT NULL, "
                       "at_ms INTEGER NOT NULL, player INTEGER NOT NULL, place INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE saves(id INTEGER PRIMARY KEY, game_id INTEGER NOT NULL, "
                       "at_ms INTEGER NOT NULL, folder TEXT NOT NULL)"),
        identityTable(),
        QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId),
        QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion),
    };
}

// The step from version N to N + 1, at index N - 1.
const std::array<QStringList, kSchemaVersion - 1>& migrationSteps() {
    static const std::array<QStringList, kSchemaVersion - 1> steps = {
        QStringList{
            QStringLiteral("ALTER TABLE answers ADD COLUMN open_ms INTEGER"),
            kIndexByName,
            QStringLiteral("PRAGMA user_version = 2"),
        },
        QStringList{
            identityTable(),
            QStringLiteral("PRAGMA user_version = 3"),
        },
    };
    return steps;
}

// The identity a journal of an older version gets when it is migrated: the id
// its copies derive (so the migrated journal and its earlier copies are one),
// recorded as made here; a journal without games is as good as new.
Step storeMigratedIdentity(qint64 nowMs) {
    return [nowMs](QSqlDatabase& db, QString* error) {
        std::optional<JournalIdentity> derived = derivedIdentity(db, error);
        if (!derived)
            return false;
        JournalIdentity identity = newIdentity(nowMs);
        if (!derived->id.isEmpty()) {
            identity.id = derived->id;
            identity.createdMs = derived->createdMs;
            identity.derived = true;
        }
        return storeIdentity(db, identity, error);
    };
}

std::optional<qint64> pragmaValue(QSqlDatabase& db, const char* name, QString* error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA ") + QLatin1String(name)) || !query.next()) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

} // namespace

SchemaInfo inspect(QSqlDatabase& db) {
    SchemaInfo info;
    if (!db.isOpen()) {
        info.error = db.lastError().text();
        info.code = sqliteCode(db.lastError());
        return info;
    }
    // Reading the schema reads the file's header and first page: a file that
    // is not SQLite fails here.
    QSqlQuery tables(db);
    if (!tables.exec(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table'"))) {
        info.error = tables.lastError().text();
        info.code = sqliteCode(tables.lastError());
        info.kind =
            meansDamage(tables.lastError()) ? SchemaInfo::Kind::Damaged : SchemaInfo::Kind::Unreadable;
        return info;
    }
    QStringList names;
    while (tables.next())
        names.append(tables.value(0).toString());
    const auto applicationId = pragmaValue(db, "application_id", &info.error);
    const auto version = pragmaValue(db, "user_version", &info.error);
    if (!applicationId || !version) {
        info.kind = SchemaInfo::Kind::Damaged;
        return info;
    }
    info.version = int(*version);
    if (names.isEmpty() && *applicationId == 0 && *version == 0) {
        info.kind = SchemaInfo::Kind::Empty;
        return info;
    }
    const bool tablesPresent =
        names.contains(QLatin1String("games")) && names.contains(QLatin1String("players")) &&
        names.contains(QLatin1String("answers")) && names.contains(QLatin1String("finishes")) &&
        names.contains(QLatin1String("saves")) &&
        (info.version < 3 || names.contains(QLatin1String("identity")));
    if (*applicationId != kApplicationId) {
        info.kind = SchemaInfo::Kind::Foreign;
        return info;
    }
    // Marked as ours but without its tables: written over, or cut short.
    info.kind = tablesPresent || info.version > kSchemaVersion ? SchemaInfo::Kind::Journal
                                                               : SchemaInfo::Kind::Damaged;
    if (info.kind == SchemaInfo::Kind::Damaged)
        info.error = QStringLiteral("tables missing: ") + names.join(QLatin1Char(' '));
    return info;
}

bool createSchema(QSqlDatabase& db, const JournalIdentity& identity, QString* error) {
    return runInTransaction(db, currentLayout(), error, [&identity](QSqlDatabase& db, QString* error) {
        return storeIdentity(db, identity, error);
    });
}

bool migrate(QSqlDatabase& db, int fromVersion, qint64 nowMs, QString* error) {
    for (int version = fromVersion; version < kSchemaVersion; ++version) {
        if (version < 1)
            return false;
        // The step to 3 adds the identity table and its row.
        const Step more = version + 1 == 3 ? storeMigratedIdentity(nowMs) : Step();
        if (!runInTransaction(db, migrationSteps()[std::size_t(version - 1)], error, more))
            return false;
    }
    return true;
}

} // namespace zorna::journal
