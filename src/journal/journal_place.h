#pragma once

#include <QSqlDatabase>
#include <QString>

namespace zorna::journal {

// The name of the journal and of SQLite's side files beside it (-journal,
// -wal, -shm), as the writer may use them: plain files or nothing. SQLite
// would open a link and write through it to wherever it leads; so a link found
// in one of these places is removed as a link (its target is never touched)
// and logged, and anything else (a folder, a device) keeps the journal shut.
class JournalPlace {
public:
    explicit JournalPlace(QString path) : path_(std::move(path)) {}

    // True when the journal and its side files are plain files or absent;
    // nothing is changed. Cheap (one lstat each): checked before every row.
    bool isPlain() const;
    // Removes links from the places; false (logged) when something that is
    // not a plain file or a link is there, or a link cannot be removed.
    bool clear() const;
    // After opening: whether the file SQLite opened is the one at the checked
    // name, not one reached through a link swapped in between. SQLite resolves
    // links in the name it reports.
    bool isOpenedFile(QSqlDatabase& db) const;

private:
    QString path_;
};

} // namespace zorna::journal
