#pragma once

#include "journal/journal_identity.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;

namespace zorna::journal {

class ReadingConnection;

// A game as its start row, players and finishes record it.
struct GameRow {
    qint64 id = 0;
    qint64 startedMs = 0;
    QString restoredFrom;      // the saved game's folder name, empty for a new game
    QStringList names;         // by player number, player 1 first
    std::map<int, int> places; // player number -> place at the finish
};

struct SaveRow {
    qint64 gameId = 0;
    qint64 atMs = 0;
    QString folder;
};

// Answers of one spelling of a name, in one category, right or wrong.
struct CategoryCount {
    QString name;
    int category = 0;
    bool right = false;
    qint64 count = 0;
};

struct AnswerRow {
    qint64 gameId = 0;
    qint64 atMs = 0;
    int category = 0;
    bool right = false;
    int square = 0;
    int task = 0;
    qint64 openMs = 0; // how long the task window was open; 0 where not recorded
};

// The answers one spelling of a name gave in one game: when the first and the last fell.
struct GameAnswers {
    QString name;
    qint64 gameId = 0;
    qint64 firstMs = 0;
    qint64 lastMs = 0;
};

// A time span [fromMs, toMs) of time stamps; the defaults cover everything.
struct TimeSpan {
    qint64 fromMs = std::numeric_limits<qint64>::min();
    qint64 toMs = std::numeric_limits<qint64>::max();
    bool operator==(const TimeSpan&) const = default;
};

// One journal file, opened read-only (the game may be writing it meanwhile);
// reading creates, changes and removes no file beside it (ReadingConnection).
// Whatever the file holds is read without harm: rows with values out of range
// are left out, and a file that fails half way reports itself damaged.
class JournalReader {
public:
    enum class Problem {
        None,
        Missing,     // no such file
        NotAJournal, // not SQLite, or SQLite of another program
        Newer,       // a journal of a newer version
        Damaged,     // a journal that cannot be read through
        Unreadable,  // could not be opened (permissions, locked)
    };

    explicit JournalReader(const QString& path);
    ~JournalReader();
    JournalReader(const JournalReader&) = delete;
    JournalReader& operator=(const JournalReader&) = delete;

    const QString& path() const { return path_; }
    Problem problem() const { return problem_; }
    // SQLite's own words about the problem, for the log.
    const QString& detail() const { return detail_; }
    int version() const { return version_; }

    // Read when the file is opened.
    const JournalIdentity& identity() const { return identity_; }
    // All rows (games, players, answers, finishes, saves): of several copies of
    // one journal, the one holding the most rows is the one to read.
    qint64 rowCount() const { return rowCount_; }
    qint64 answerCount() const { return answerCount_; }
    // The time of the answer written last (none without answers).
    std::optional<qint64> lastAnswerMs() const { return lastAnswerMs_; }
    const std::vector<GameRow>& games() const { return games_; }
    const std::vector<SaveRow>& saves() const { return saves_; }

    // Answers summed per spelling of a name, category and right or wrong. The
    // sums of the last span asked for are kept (the class view and a pupil's
    // view ask for the same).
    const std::vector<CategoryCount>& categoryCounts(const TimeSpan& span);
    // Per spelling of a name and game, the first and last answer within the span.
    std::vector<GameAnswers> gamesAnswered(const TimeSpan& span);
    // Every answer given under one of these spellings (in no particular order).
    std::vector<AnswerRow> answersOf(const QStringList& names, const TimeSpan& span);

private:
    friend bool copyJournal(const QString& from, const QString& to, QString* error);
    // Writes a consistent copy of the open journal into the new file `to`.
    bool copyInto(const QString& to, QString* error);
    bool open();
    bool readGames();
    bool readIdentity();
    bool readCounts();
    // Runs a query, the statement given or the one prepared when none is, and
    // hands every row to `row`; a failure marks the journal damaged and says false.
    bool readRows(QSqlQuery& query, const QString& statement,
                  const std::function<void(const QSqlQuery&)>& row);
    void fail(Problem problem, const QString& detail);

    QString path_;
    std::unique_ptr<ReadingConnection> file_;
    Problem problem_ = Problem::None;
    QString detail_;
    int version_ = 0;
    JournalIdentity identity_;
    qint64 rowCount_ = 0;
    qint64 answerCount_ = 0;
    std::optional<qint64> lastAnswerMs_;
    std::vector<GameRow> games_;
    std::vector<SaveRow> saves_;
    std::optional<TimeSpan> countedSpan_;
    std::vector<CategoryCount> counts_;
};

// Writes a consistent copy of the journal `from` (the game may be writing it)
// into the new file `to`, which must not exist. The copy is a journal of its
// own, whole in one file, with the same identity. Nothing is created beside
// `from`. False with the reason in `error` (for the log) when no copy was made;
// a copy cut short is removed.
bool copyJournal(const QString& from, const QString& to, QString* error);

} // namespace zorna::journal
