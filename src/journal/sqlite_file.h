#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace zorna::journal {

// One Qt SQL connection to an SQLite file, under a name of its own, removed
// again when this object goes. Queries made on db() must not outlive it.
class SqliteFile {
public:
    // Immutable: read-only, and SQLite takes the file for one that nobody
    // changes (no locks, no write-ahead log), for copies on read-only media.
    enum class Mode { ReadWrite, ReadOnly, Immutable };
    SqliteFile(const QString& path, Mode mode);
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    bool isOpen() const { return db_.isOpen(); }
    QSqlDatabase& db() { return db_; }
    const QString& path() const { return path_; }
    // The error of the last failed open, for the log.
    QString openError() const { return db_.lastError().text(); }

private:
    QString path_;
    QString connection_;
    QSqlDatabase db_;
};

// SQLite's primary result code behind a failed statement (extended codes folded).
int sqliteCode(const QSqlError& error);
// Codes that say the file is not an intact database.
inline constexpr int kSqliteCorrupt = 11;
inline constexpr int kSqliteNotADatabase = 26;
inline bool meansDamage(const QSqlError& error) {
    const int code = sqliteCode(error);
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

} // namespace zorna::journal
