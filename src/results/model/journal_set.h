#pragma once

#include "journal/journal_reader.h"
#include "results/model/game_index.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zorna::results {

// A file or folder that gave nothing to show, with the message for the teacher.
struct SourceProblem {
    QString path;
    QString message; // Ukrainian, names the file
};

// A copy of a journal already counted: named, not read a second time.
struct SetAsideCopy {
    QString path;
    QString countedPath; // the copy that is read instead
    QString message;     // «…: копія …, не враховано.»
};

// The journal files the teacher opened (one per classroom computer), read-only
// and side by side. A file that cannot be read is reported and left out; the
// others are still read. Copies of one journal (the same identity, in any
// folder under any name) are read once: the copy holding the most rows counts,
// the others are set aside and named.
class JournalSet {
public:
    JournalSet();
    ~JournalSet();

    // Adds a journal file, or every journal in a folder and its subfolders
    // (files named *.sqlite; journals the game put aside as damaged are left
    // out). A file already open is not added twice; a copy of a journal already
    // open replaces it when it holds more rows. Returns the problems found.
    std::vector<SourceProblem> add(const QString& path);

    const std::vector<std::unique_ptr<journal::JournalReader>>& journals() const { return journals_; }
    const std::vector<SourceProblem>& problems() const { return problems_; }
    // Records a file that failed while it was read (a damaged page found late).
    void noteFailures();
    const std::vector<SetAsideCopy>& setAside() const { return setAside_; }
    // Closes the journal read from `path` with its copies set aside.
    void close(const QString& path);

    // The index of the games of `reader`, one of journals(): made on the first
    // call and kept while the journal stays in the set.
    const GameIndex& gameIndex(const journal::JournalReader& reader);

    // Names the teacher joined within this set's class (key -> key); see joinedKey.
    void setJoinedNames(std::map<QString, QString> joinedNames) { joinedNames_ = std::move(joinedNames); }
    const std::map<QString, QString>& joinedNames() const { return joinedNames_; }

    // The message shown for a file the reader refused.
    static QString messageFor(journal::JournalReader::Problem problem, const QString& path);

private:
    void addFile(const QString& path, std::vector<SourceProblem>& found);
    void setAside(const QString& path, const journal::JournalReader& counted);
    // Forgets what was worked out of a journal leaving the set.
    void forget(const journal::JournalReader& reader);

    std::vector<std::unique_ptr<journal::JournalReader>> journals_;
    QStringList openPaths_;
    std::vector<SourceProblem> problems_;
    std::vector<SetAsideCopy> setAside_;
    std::map<QString, QString> joinedNames_;
    std::unordered_map<const journal::JournalReader*, std::unique_ptr<GameIndex>> gameIndexes_;
};

} // namespace zorna::results
