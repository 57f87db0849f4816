#include "journal/sqlite_file.h"

#include <QUrl>

#include <atomic>

namespace zorna::journal {

namespace {
QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("zorna-journal-%1").arg(counter.fetch_add(1));
}
} // namespace

SqliteFile::SqliteFile(const QString& path, Mode mode) : path_(path), connection_(nextConnectionName()) {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    // A short wait for a reader's lock: the game never stands still for the journal.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=100");
    if (mode == Mode::Immutable) {
        db_.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                            QStringLiteral("?immutable=1"));
        options += QStringLiteral(";QSQLITE_OPEN_URI");
    } else {
        db_.setDatabaseName(path);
    }
    if (mode != Mode::ReadWrite)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db_.setConnectOptions(options);
    db_.open();
}

SqliteFile::~SqliteFile() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

int sqliteCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : 0;
}

} // namespace zorna::journal
