#include "journal/journal_reader.h"

#include "journal/categories.h"
#include "journal/journal_schema.h"
#include "journal/reading_connection.h"
#include "journal/sqlite_file.h"
#include "platform/file_system.h"

#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <unordered_map>

namespace zorna::journal {

namespace {

// A text value as it was stored: numbers and blobs in a damaged row read as text too.
QString textOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

// "?, ?, ?" for n values.
QString placeholders(qsizetype n) {
    QString text;
    for (qsizetype i = 0; i < n; ++i)
        text += i == 0 ? QStringLiteral("?") : QStringLiteral(", ?");
    return text;
}

} // namespace

JournalReader::JournalReader(const QString& path) : path_(path) {
    if (open() && !(readIdentity() && readCounts() && readGames()))
        file_.reset();
}

JournalReader::~JournalReader() = default;

void JournalReader::fail(Problem problem, const QString& detail) {
    // Nothing of a file that failed is shown: its rows up to the failure could mislead.
    games_.clear();
    saves_.clear();
    counts_.clear();
    countedSpan_.reset();
    if (problem_ == Problem::None) {
        problem_ = problem;
        detail_ = detail;
        qCWarning(lcFiles).noquote() << "results journal not read:" << path_ << "-" << detail;
    }
}

bool JournalReader::open() {
    const EntryKind kind = entryKind(path_);
    if (kind == EntryKind::Missing) {
        fail(Problem::Missing, QStringLiteral("missing"));
        return false;
    }
    if (kind != EntryKind::File) {
        fail(Problem::NotAJournal, QStringLiteral("not a plain file"));
        return false;
    }
    file_ = std::make_unique<ReadingConnection>(path_);
    const SchemaInfo info = file_->info();
    version_ = info.version;
    switch (info.kind) {
    case SchemaInfo::Kind::Journal:
        if (info.version > kSchemaVersion) {
            fail(Problem::Newer, QStringLiteral("version %1").arg(info.version));
            break;
        }
        return true;
    case SchemaInfo::Kind::Empty:
    case SchemaInfo::Kind::Foreign:
        fail(Problem::NotAJournal, QStringLiteral("not a results journal"));
        break;
    case SchemaInfo::Kind::Damaged:
        // A file that is not SQLite at all reads as "not a database".
        // Qt reports some failures to prepare without SQLite's code; its words remain.
        fail(info.code == kSqliteNotADatabase || info.error.contains(QLatin1String("not a database"))
                 ? Problem::NotAJournal
                 : Problem::Damaged,
             info.error);
        break;
    case SchemaInfo::Kind::Unreadable:
        fail(Problem::Unreadable, info.error);
        break;
    }
    file_.reset();
    return false;
}

bool JournalReader::readIdentity() {
    QString error;
    std::optional<JournalIdentity> identity = version_ >= 3 ? storedIdentity(file_->file().db(), &error)
                                                            : derivedIdentity(file_->file().db(), &error);
    if (!identity) {
        fail(Problem::Damaged, error);
        return false;
    }
    if (identity->id.isEmpty())
        identity->id = idOfEmptyJournal(QFileInfo(path_).absoluteFilePath());
    identity_ = std::move(*identity);
    return true;
}

bool JournalReader::readCounts() {
    QSqlQuery query(file_->file().db());
    query.setForwardOnly(true);
    // count(*) alone counts the index's cells without reading them; the last
    // answer is the one written last, found by its row id without a scan.
    return readRows(query,
                    QStringLiteral("SELECT (SELECT count(*) FROM games) + (SELECT count(*) FROM players) + "
                                   "(SELECT count(*) FROM finishes) + (SELECT count(*) FROM saves), "
                                   "(SELECT count(*) FROM answers), "
                                   "(SELECT at_ms FROM answers ORDER BY id DESC LIMIT 1)"),
                    [this](const QSqlQuery& row) {
                        answerCount_ = row.value(1).toLongLong();
                        rowCount_ = row.value(0).toLongLong() + answerCount_;
                        if (!row.value(2).isNull())
                            lastAnswerMs_ = row.value(2).toLongLong();
                    });
}

bool JournalReader::readGames() {
    QSqlQuery query(file_->file().db());
    query.setForwardOnly(true);
    std::unordered_map<qint64, std::size_t> byId;
    // A class types a few dozen names over thousands of games: each spelling
    // is kept once and shared by the games it plays in.
    QSet<QString> spellings;
    return readRows(query, QStringLiteral("SELECT id, started_ms, restored_from FROM games ORDER BY id"),
                    [this, &byId](const QSqlQuery& row) {
                        GameRow game;
                        game.id = row.value(0).toLongLong();
                        game.startedMs = row.value(1).toLongLong();
                        game.restoredFrom = textOf(row.value(2));
                        byId.emplace(game.id, games_.size());
                        games_.push_back(std::move(game));
                    }) &&
           readRows(
               query, QStringLiteral("SELECT game_id, number, name FROM players ORDER BY game_id, number"),
               [this, &byId, &spellings](const QSqlQuery& row) {
                   const auto game = byId.find(row.value(0).toLongLong());
                   const int number = row.value(1).toInt();
                   // Players numbered 1..3, in order; anything else is not the game's.
                   if (game != byId.end() && number == games_[game->second].names.size() + 1 && number <= 3)
                       games_[game->second].names.append(*spellings.insert(textOf(row.value(2))));
               }) &&
           readRows(query, QStringLiteral("SELECT game_id, player, place FROM finishes ORDER BY id"),
                    [this, &byId](const QSqlQuery& row) {
                        const auto game = byId.find(row.value(0).toLongLong());
                        const int player = row.value(1).toInt();
                        const int place = row.value(2).toInt();
                        if (game != byId.end() && player >= 1 && player <= 3 && place >= 1 && place <= 3)
                            games_[game->second].places[player] = place;
                    }) &&
           readRows(query, QStringLiteral("SELECT game_id, at_ms, folder FROM saves ORDER BY at_ms, id"),
                    [this](const QSqlQuery& row) {
                        saves_.push_back(
                            {row.value(0).toLongLong(), row.value(1).toLongLong(), textOf(row.value(2))});
                    });
}

bool JournalReader::readRows(QSqlQuery& query, const QString& statement,
                             const std::function<void(const QSqlQuery&)>& row) {
    if (statement.isEmpty() ? query.exec() : query.exec(statement)) {
        while (query.next())
            row(query);
        if (!query.lastError().isValid())
            return true;
    }
    fail(Problem::Damaged, query.lastError().text());
    return false;
}

bool JournalReader::copyInto(const QString& to, QString* error) {
    QSqlQuery query(file_->file().db());
    // One read transaction: the copy is the journal as of one commit, whatever
    // the game writes meanwhile. SQLite refuses a target that exists already.
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(to);
    if (query.exec())
        return true;
    *error = query.lastError().text();
    if (entryKind(to) == EntryKind::File)
        fileSystem().remove(to);
    return false;
}

const std::vector<CategoryCount>& JournalReader::categoryCounts(const TimeSpan& span) {
    if (countedSpan_ == span)
        return counts_;
    std::vector<CategoryCount>& counts = counts_;
    counts.clear();
    countedSpan_.reset();
    if (!file_)
        return counts;
    QSqlQuery query(file_->file().db());
    query.setForwardOnly(true);
    // Without bounds the index alone is counted through, without reading the times.
    if (span == TimeSpan()) {
        query.prepare(QStringLiteral("SELECT name, category, correct, count(*) FROM answers "
                                     "GROUP BY name, category, correct"));
    } else {
        query.prepare(QStringLiteral("SELECT name, category, correct, count(*) FROM answers "
                                     "WHERE at_ms >= ? AND at_ms < ? GROUP BY name, category, correct"));
        query.addBindValue(span.fromMs);
        query.addBindValue(span.toMs);
    }
    const bool read = readRows(query, QString(), [&counts](const QSqlQuery& row) {
        CategoryCount count{textOf(row.value(0)), row.value(1).toInt(), row.value(2).toInt() != 0,
                            row.value(3).toLongLong()};
        if (isCategory(count.category) && !count.name.trimmed().isEmpty())
            counts.push_back(std::move(count));
    });
    if (!read) {
        counts.clear();
        return counts;
    }
    countedSpan_ = span;
    return counts;
}

std::vector<GameAnswers> JournalReader::gamesAnswered(const TimeSpan& span) {
    std::vector<GameAnswers> rows;
    if (!file_)
        return rows;
    QSqlQuery query(file_->file().db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT name, game_id, min(at_ms), max(at_ms) FROM answers "
                                 "WHERE at_ms >= ? AND at_ms < ? GROUP BY name, game_id"));
    query.addBindValue(span.fromMs);
    query.addBindValue(span.toMs);
    const bool read = readRows(query, QString(), [&rows](const QSqlQuery& row) {
        rows.push_back({textOf(row.value(0)), row.value(1).toLongLong(), row.value(2).toLongLong(),
                        row.value(3).toLongLong()});
    });
    if (!read)
        rows.clear();
    return rows;
}

std::vector<AnswerRow> JournalReader::answersOf(const QStringList& names, const TimeSpan& span) {
    std::vector<AnswerRow> rows;
    if (!file_ || names.isEmpty())
        return rows;
    QSqlQuery query(file_->file().db());
    query.setForwardOnly(true);
    // Read from the index by name alone, in its order.
    // The open time is recorded from layout 2 on.
    query.prepare(QStringLiteral("SELECT game_id, at_ms, category, correct, square, task, %1 FROM answers "
                                 "WHERE name IN (%2) AND at_ms >= ? AND at_ms < ?")
                      .arg(version_ >= 2 ? QStringLiteral("open_ms") : QStringLiteral("NULL"),
                           placeholders(names.size())));
    for (const QString& name : names)
        query.addBindValue(name);
    query.addBindValue(span.fromMs);
    query.addBindValue(span.toMs);
    const bool read = readRows(query, QString(), [&rows](const QSqlQuery& found) {
        AnswerRow row{found.value(0).toLongLong(),
                      found.value(1).toLongLong(),
                      found.value(2).toInt(),
                      found.value(3).toInt() != 0,
                      found.value(4).toInt(),
                      found.value(5).toInt(),
                      std::max<qint64>(0, found.value(6).toLongLong())};
        if (isCategory(row.category))
            rows.push_back(row);
    });
    if (!read)
        rows.clear();
    return rows;
}

bool copyJournal(const QString& from, const QString& to, QString* error) {
    if (entryExists(to)) {
        *error = QStringLiteral("the copy's name is taken: ") + to;
        return false;
    }
    JournalReader reader(from);
    if (reader.problem() != JournalReader::Problem::None) {
        *error = reader.detail();
        return false;
    }
    if (!reader.copyInto(to, error))
        return false;
    // VACUUM INTO does not sync what it wrote: one synced commit on the copy
    // puts the whole file on the disk (a stick pulled out right after keeps it).
    QString failure;
    {
        SqliteFile copy(to, SqliteFile::Mode::ReadWrite);
        QSqlQuery query(copy.db());
        for (const QString& statement :
             {QStringLiteral("PRAGMA synchronous = FULL"), QStringLiteral("BEGIN IMMEDIATE"),
              QStringLiteral("PRAGMA user_version = %1").arg(reader.version()), QStringLiteral("COMMIT")}) {
            if (!query.exec(statement)) {
                failure = query.lastError().text();
                break;
            }
        }
    }
    // The copy reads back as the same journal (one without games has an id of its file).
    const JournalReader check(to);
    if (failure.isEmpty() && check.problem() != JournalReader::Problem::None)
        failure = QStringLiteral("the copy does not read back: ") + check.detail();
    else if (failure.isEmpty() && (check.rowCount() != reader.rowCount() ||
                                   (!reader.games().empty() && check.identity().id != reader.identity().id)))
        failure = QStringLiteral("the copy differs from the journal");
    if (failure.isEmpty())
        return true;
    *error = failure;
    removeFile(to);
    return false;
}

} // namespace zorna::journal
