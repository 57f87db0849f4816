#include "journal/reading_connection.h"

#include "journal/sqlite_file.h"
#include "platform/file_system.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace zorna::journal {

namespace {

constexpr int kSqliteBusy = 5;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCantOpen = 14;
constexpr int kReadingCacheKiB = 256;

// Whether the file's header marks it as a database in write-ahead-log mode
// (its read and write versions are 2). Read with a plain read-only open.
bool headerSaysWal(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.startsWith(QByteArrayLiteral("SQLite format 3\0")) &&
           header[18] == 2 && header[19] == 2;
}

} // namespace

ReadingConnection::ReadingConnection(const QString& path) {
    for (const char* side : kSideFiles) {
        const EntryKind kind = entryKind(path + QLatin1String(side));
        if (kind != EntryKind::Missing && kind != EntryKind::File) {
            info_.error =
                QStringLiteral("not a plain file beside the journal: ") + path + QLatin1String(side);
            return;
        }
    }
    if (headerSaysWal(path)) {
        if (fileSize(path + QStringLiteral("-wal")) > 0)
            openCopy(path, "-wal");
        else
            openAs(path, SqliteFile::Mode::Immutable);
        return;
    }
    openAs(path, SqliteFile::Mode::ReadOnly);
    if (info_.kind != SchemaInfo::Kind::Unreadable)
        return;
    if (fileSize(path + QStringLiteral("-journal")) > 0) {
        // A hot rollback journal a crash left: a read-only connection may not
        // roll it back, a private copy may.
        if (info_.code == kSqliteReadOnly || info_.code == kSqliteCantOpen || info_.code == kSqliteBusy)
            openCopy(path, "-journal");
    } else if (info_.code == kSqliteCantOpen || info_.code == kSqliteReadOnly) {
        // Locks refused (some network shares): read it as a file nobody changes.
        openAs(path, SqliteFile::Mode::Immutable);
    }
}

ReadingConnection::~ReadingConnection() {
    file_.reset();
}

void ReadingConnection::openAs(const QString& path, SqliteFile::Mode mode) {
    file_.reset();
    file_ = std::make_unique<SqliteFile>(path, mode);
    info_ = inspect(file_->db());
    // The results program holds a connection to every journal of a school and
    // reads each through once: a small page cache per connection (the system
    // keeps the file's pages anyway) instead of SQLite's 2 MB each.
    if (info_.kind == SchemaInfo::Kind::Journal)
        QSqlQuery(file_->db()).exec(QStringLiteral("PRAGMA cache_size = -%1").arg(kReadingCacheKiB));
}

bool ReadingConnection::openCopy(const QString& path, const char* sideFile) {
    file_.reset();
    copyDir_ = std::make_unique<QTemporaryDir>();
    const QString copy = copyDir_->filePath(QStringLiteral("journal.sqlite"));
    const QString side = path + QLatin1String(sideFile);
    if (!copyDir_->isValid() || !QFile::copy(path, copy) ||
        (entryKind(side) == EntryKind::File && !QFile::copy(side, copy + QLatin1String(sideFile)))) {
        info_ = SchemaInfo();
        info_.error = QStringLiteral("no private copy to read could be made of ") + path;
        return false;
    }
    // The copy is the reader's own: SQLite may replay or roll back its log there.
    openAs(copy, SqliteFile::Mode::ReadWrite);
    return true;
}

} // namespace zorna::journal
