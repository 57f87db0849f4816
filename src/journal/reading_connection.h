#pragma once

#include "journal/journal_schema.h"
#include "journal/sqlite_file.h"

#include <QString>

#include <memory>

class QTemporaryDir;

namespace zorna::journal {

// A connection for reading a journal that creates, changes and removes no file
// beside it (a teacher's stick, a read-only share, the game's own folder):
//  - a journal in rollback mode is opened read-only (SQLite only takes locks);
//    one that a crash left with a hot rollback journal beside it is read
//    through a private copy of both, where SQLite rolls the copy back;
//  - an older journal in write-ahead-log mode with a log beside it is read
//    through a private copy of the file and its log, so the log's rows count;
//    without a log, as a file that nobody changes (no index file made).
// A link or anything but a plain file in the place of the journal's side
// files is refused: SQLite would follow it.
class ReadingConnection {
public:
    explicit ReadingConnection(const QString& path);
    ~ReadingConnection();
    ReadingConnection(const ReadingConnection&) = delete;
    ReadingConnection& operator=(const ReadingConnection&) = delete;

    // What the file is; Unreadable with `error` when it could not be opened.
    const SchemaInfo& info() const { return info_; }
    // Open when info() is not Unreadable.
    SqliteFile& file() { return *file_; }
    // True when the rows are read from a private copy.
    bool readsACopy() const { return copyDir_ != nullptr; }

private:
    void openAs(const QString& path, SqliteFile::Mode mode);
    // Copies the journal and the named side file into a private folder and opens the copy.
    bool openCopy(const QString& path, const char* sideFile);

    std::unique_ptr<QTemporaryDir> copyDir_; // outlives the connection to the copy in it
    std::unique_ptr<SqliteFile> file_;
    SchemaInfo info_;
};

// The side files SQLite keeps beside a database file.
inline constexpr const char* kSideFiles[] = {"-journal", "-wal", "-shm"};

} // namespace zorna::journal
