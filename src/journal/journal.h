#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace zorna::journal {

class SqliteFile;
class JournalStatements;
struct SchemaInfo;

// The journal of a games folder (ProgramFolder::gamesRoot(), which holds Save).
inline QString journalFileIn(const QString& gamesFolder) {
    return gamesFolder + QStringLiteral("/results.sqlite");
}

// One task result as the session hands it to the journal.
struct AnswerRecord {
    int player = 0;   // 1..3
    QString name;     // the player's name as shown
    int square = 0;   // the square the chip stood on
    int task = 0;     // the task number (square s holds task s)
    int category = 0; // 1..7, as the statistics window counts it
    bool right = false;
    qint64 openMs = 0; // how long the task window was open
};

// The results journal the game writes as it runs (results.sqlite beside Save):
// one row per game start, task result, finish and save, each committed on its
// own, so a kill at any moment keeps every row written before it.
//
// The file is in rollback-journal mode with every commit synced: the one file
// results.sqlite holds every row committed, so a copy of it alone is whole
// (an older journal in write-ahead-log mode is turned into this mode, its log
// merged in, when the game opens it).
//
// The journal never stops the game: every failure (a full disk, a read-only
// folder, a locked file) is logged under zorna.files and the row is dropped;
// a journal that could not be opened is tried again at the next row, and a
// game whose start could not be written has it written first then. A damaged
// file is renamed aside to results.damaged-<date>.sqlite (with its side files)
// and a new journal started in its place. Only plain files are used: a link
// in the place of the journal or its side files is removed as a link. A
// journal of a newer version is left byte for byte as it is.
class Journal {
public:
    // Milliseconds since the epoch (UTC) for the rows' time stamps.
    using Now = std::function<qint64()>;
    static qint64 systemNow();

    explicit Journal(QString path, Now now = &Journal::systemNow);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Each call writes one row and tells whether it is in the journal; the
    // game goes on either way.

    // A new game with the players' names (player 1 first).
    bool gameStarted(const QStringList& names);
    // A game continued from the saved game in `saveFolder` ("3" for Save/3): a
    // new game id that records where it came from.
    bool gameRestored(const QString& saveFolder, const QStringList& names);
    bool taskResult(const AnswerRecord& result);
    bool finished(int player, int place);
    bool saved(const QString& saveFolder);

    // The id of the game being written, once its start is in the journal.
    std::optional<qint64> gameId() const { return gameId_; }
    const QString& path() const { return path_; }

private:
    using Write = std::function<bool(QString* error)>;
    enum class Outcome { Written, Failed, Damaged };

    bool startGame(const QString& restoredFrom, const QStringList& names);
    // Opens the file when it is not open; false (logged) when it cannot be used.
    bool ensureOpen();
    bool openFile();
    // Opens the checked file for writing and brings it to the current layout
    // in rollback mode; `error` when it cannot.
    bool openForWriting(const SchemaInfo& checked, QString* error);
    // Logs a failure to open, once until the journal opens again (rows are tried every few seconds).
    void logOpenFailure(const QString& error);
    void close();
    // Renames the damaged file and its logs aside; true when the name is free again.
    bool moveDamagedAside();
    // Runs one row's statements in one transaction.
    Outcome transact(const char* what, const Write& write);
    // Writes a row; when the file turns out damaged, moves it aside and writes
    // the row (after its game's start, for a row of the game) into a new file.
    bool writeRow(const char* what, const Write& write, bool ofTheGame);
    bool writeGameRow(const char* what, const Write& write);
    // Writes the current game's start and players, and takes its new id.
    Write insertGame();

    QString path_;
    Now now_;
    std::unique_ptr<SqliteFile> file_;
    std::unique_ptr<JournalStatements> statements_;
    std::optional<qint64> gameId_;
    // The current game's start, to be written again in a new file.
    qint64 startedMs_ = 0;
    QString restoredFrom_;
    QStringList names_;
    // A game is being played (its start may not be in the journal yet).
    bool inGame_ = false;
    // The last failure to open that was logged, not logged again.
    QString loggedOpenError_;
    // The file is left alone (a newer version's journal) for this run.
    bool leftAlone_ = false;
};

} // namespace zorna::journal
