#include "journal/journal_identity.h"

#include "platform/this_computer.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace zorna::journal {

namespace {

// The namespace of derived ids (a name-based UUID of the first game's data).
const QUuid kDerivedIdSpace(QStringLiteral("{6f0b8e5a-3c1d-4b7e-9a52-1d2e3f405a61}"));

// An empty text stored as "" (a null QString binds as NULL).
QVariant textValue(const QString& text) {
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QString textOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

} // namespace

QString identityTable() {
    // One row at most: `only` can be 1 alone.
    return QStringLiteral("CREATE TABLE identity(only INTEGER PRIMARY KEY CHECK (only = 1), "
                          "id TEXT NOT NULL, computer TEXT NOT NULL, account TEXT NOT NULL, "
                          "version TEXT NOT NULL, created_ms INTEGER NOT NULL, derived INTEGER NOT NULL)");
}

JournalIdentity newIdentity(qint64 nowMs) {
    return {newUniqueId(), computerName(), accountName(), programVersion(), nowMs, false};
}

QString idOfEmptyJournal(const QString& path) {
    return QUuid::createUuidV5(kDerivedIdSpace, QStringLiteral("file\n") + path)
        .toString(QUuid::WithoutBraces);
}

std::optional<JournalIdentity> derivedIdentity(QSqlDatabase& db, QString* error) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, started_ms FROM games ORDER BY id LIMIT 1"))) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    JournalIdentity identity;
    identity.derived = true;
    if (!query.next()) {
        if (query.lastError().isValid()) {
            *error = query.lastError().text();
            return std::nullopt;
        }
        return identity;
    }
    const qint64 gameId = query.value(0).toLongLong();
    identity.createdMs = query.value(1).toLongLong();
    QString data = QStringLiteral("game\n%1").arg(identity.createdMs);
    query.prepare(QStringLiteral("SELECT name FROM players WHERE game_id = ? ORDER BY number"));
    query.addBindValue(gameId);
    if (!query.exec()) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    while (query.next())
        data += QLatin1Char('\n') + textOf(query.value(0));
    if (query.lastError().isValid()) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    identity.id = QUuid::createUuidV5(kDerivedIdSpace, data).toString(QUuid::WithoutBraces);
    return identity;
}

std::optional<JournalIdentity> storedIdentity(QSqlDatabase& db, QString* error) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT id, computer, account, version, created_ms, derived FROM identity"))) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    if (!query.next()) {
        *error = query.lastError().isValid() ? query.lastError().text() : QStringLiteral("identity missing");
        return std::nullopt;
    }
    JournalIdentity identity{textOf(query.value(0)),      textOf(query.value(1)),
                             textOf(query.value(2)),      textOf(query.value(3)),
                             query.value(4).toLongLong(), query.value(5).toInt() != 0};
    if (identity.id.trimmed().isEmpty()) {
        *error = QStringLiteral("identity without an id");
        return std::nullopt;
    }
    return identity;
}

bool storeIdentity(QSqlDatabase& db, const JournalIdentity& identity, QString* error) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO identity(only, id, computer, account, version, created_ms, "
                                 "derived) VALUES (1, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {textValue(identity.id), textValue(identity.computer), textValue(identity.account),
          textValue(identity.version), QVariant(identity.createdMs), QVariant(identity.derived ? 1 : 0)})
        query.addBindValue(value);
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace zorna::journal
