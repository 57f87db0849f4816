#include "journal/journal.h"

#include "journal/journal_schema.h"
#include "journal/sqlite_file.h"
#include "platform/file_system.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace zorna::journal {

// The prepared inserts of one open file.
class JournalStatements {
public:
    explicit JournalStatements(QSqlDatabase& db)
        : game(db), player(db), answer(db), finish(db), save(db), begin(db), end(db), undo(db) {}

    bool prepare(QString* error) {
        const std::pair<QSqlQuery*, const char*> all[] = {
            {&game, "INSERT INTO games(started_ms, restored_from) VALUES (?, ?)"},
            {&player, "INSERT INTO players(game_id, number, name) VALUES (?, ?, ?)"},
            {&answer, "INSERT INTO answers(game_id, at_ms, player, name, square, task, category, correct, "
                      "open_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"},
            {&finish, "INSERT INTO finishes(game_id, at_ms, player, place) VALUES (?, ?, ?, ?)"},
            {&save, "INSERT INTO saves(game_id, at_ms, folder) VALUES (?, ?, ?)"},
            {&begin, "BEGIN IMMEDIATE"},
            {&end, "COMMIT"},
            {&undo, "ROLLBACK"},
        };
        for (const auto& [query, text] : all) {
            if (!query->prepare(QString::fromLatin1(text))) {
                *error = query->lastError().text();
                return false;
            }
        }
        return true;
    }

    QSqlQuery game, player, answer, finish, save, begin, end, undo;
};

namespace {

// Binds the values in order and runs the statement.
bool run(QSqlQuery& query, std::initializer_list<QVariant> values, QString* error) {
    int i = 0;
    for (const QVariant& value : values)
        query.bindValue(i++, value);
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

bool damageIn(const QSqlQuery& query) {
    return meansDamage(query.lastError());
}

// A name under which the damaged journal can be kept: results.damaged-<date>.sqlite,
// with -2, -3, ... when that is taken already.
QString asideName(const QString& path, const QDate& date) {
    const QFileInfo info(path);
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                         QStringLiteral(".damaged-") + date.toString(Qt::ISODate);
    const QString suffix = QLatin1Char('.') + info.suffix();
    QString name = stem + suffix;
    for (int n = 2; entryExists(name) || entryExists(name + QStringLiteral("-wal")); ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + suffix;
    return name;
}

} // namespace

qint64 Journal::systemNow() {
    return QDateTime::currentMSecsSinceEpoch();
}

Journal::Journal(QString path, Now now) : path_(std::move(path)), now_(std::move(now)) {}

Journal::~Journal() {
    close();
}

void Journal::close() {
    statements_.reset();
    file_.reset();
}

bool Journal::openFile() {
    file_ = std::make_unique<SqliteFile>(path_, SqliteFile::Mode::ReadWrite);
    const SchemaInfo info = inspect(file_->db());
    QString error = info.error;
    switch (info.kind) {
    case SchemaInfo::Kind::Unreadable:
        qCWarning(lcFiles).noquote() << "results journal not opened:" << path_ << "-" << error;
        close();
        return false;
    case SchemaInfo::Kind::Damaged:
    case SchemaInfo::Kind::Foreign:
        qCWarning(lcFiles).noquote() << "results journal unusable, moved aside:" << path_ << "-"
                                     << (info.kind == SchemaInfo::Kind::Foreign
                                             ? QStringLiteral("not a journal")
                                             : error);
        close();
        if (!moveDamagedAside())
            return false;
        return openFile();
    case SchemaInfo::Kind::Empty:
    case SchemaInfo::Kind::Journal:
        break;
    }
    if (info.kind == SchemaInfo::Kind::Journal && info.version > kSchemaVersion) {
        qCWarning(lcFiles).noquote() << "results journal left alone:" << path_
                                     << "- written by a newer version" << info.version;
        leftAlone_ = true;
        close();
        return false;
    }
    QSqlQuery pragmas(file_->db());
    // WAL: a commit appends to the log, readers (the results program) never
    // block the game. NORMAL syncs at checkpoints only: a killed program keeps
    // every commit, a power cut may lose the last few but never the file.
    if (!pragmas.exec(QStringLiteral("PRAGMA journal_mode = WAL")) ||
        !pragmas.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))) {
        error = pragmas.lastError().text();
    } else if (pragmas.finish(), info.kind == SchemaInfo::Kind::Empty) {
        createSchema(file_->db(), newIdentity(now_()), &error) && (error.clear(), true);
    } else if (info.version < kSchemaVersion) {
        migrate(file_->db(), info.version, now_(), &error) && (error.clear(), true);
    }
    if (error.isEmpty()) {
        statements_ = std::make_unique<JournalStatements>(file_->db());
        if (statements_->prepare(&error))
            return true;
    }
    qCWarning(lcFiles).noquote() << "results journal not opened:" << path_ << "-" << error;
    close();
    return false;
}

bool Journal::ensureOpen() {
    if (statements_)
        return true;
    if (leftAlone_ || openFailed_)
        return false;
    openFailed_ = !openFile();
    return !openFailed_;
}

bool Journal::moveDamagedAside() {
    const QString aside = asideName(path_, QDateTime::fromMSecsSinceEpoch(now_()).date());
    // The write-ahead log belongs to the damaged file: a new journal must not pick it up.
    for (const char* log : {"-wal", "-shm"}) {
        const QString from = path_ + QLatin1String(log);
        if (entryExists(from) && !renameEntry(from, aside + QLatin1String(log))) {
            qCWarning(lcFiles).noquote() << "damaged results journal not moved aside:" << from;
            return false;
        }
    }
    if (entryExists(path_) && !renameEntry(path_, aside)) {
        qCWarning(lcFiles).noquote() << "damaged results journal not moved aside:" << path_;
        return false;
    }
    qCWarning(lcFiles).noquote() << "damaged results journal kept as" << aside << "- a new one is started";
    return true;
}

Journal::Outcome Journal::transact(const char* what, const Write& write) {
    if (!ensureOpen())
        return Outcome::Failed;
    QString error;
    JournalStatements& s = *statements_;
    if (s.begin.exec()) {
        if (write(&error) && s.end.exec())
            return Outcome::Written;
        if (error.isEmpty())
            error = s.end.lastError().text();
        s.undo.exec();
    } else {
        error = s.begin.lastError().text();
    }
    const bool damaged = damageIn(s.begin) || damageIn(s.end) || damageIn(s.game) || damageIn(s.player) ||
                         damageIn(s.answer) || damageIn(s.finish) || damageIn(s.save);
    qCWarning(lcFiles).noquote() << "results journal: row not written (" << what << "):" << path_ << "-"
                                 << error;
    return damaged ? Outcome::Damaged : Outcome::Failed;
}

bool Journal::writeRow(const char* what, const Write& write, bool ofTheGame) {
    const Outcome outcome = transact(what, write);
    if (outcome != Outcome::Damaged)
        return outcome == Outcome::Written;
    // The file went bad under us: it goes aside, and the row goes into a new
    // journal, after its game's start, so the game's history goes on there.
    close();
    if (!moveDamagedAside())
        return false;
    if (ofTheGame && transact("game start", insertGame()) != Outcome::Written)
        return false;
    return transact(what, write) == Outcome::Written;
}

Journal::Write Journal::insertGame() {
    return [this](QString* error) {
        JournalStatements& s = *statements_;
        if (!run(s.game, {startedMs_, restoredFrom_.isEmpty() ? QVariant() : QVariant(restoredFrom_)}, error))
            return false;
        const qint64 id = s.game.lastInsertId().toLongLong();
        for (int i = 0; i < names_.size(); ++i)
            if (!run(s.player, {id, i + 1, names_[i]}, error))
                return false;
        gameId_ = id;
        return true;
    };
}

bool Journal::startGame(const QString& restoredFrom, const QStringList& names) {
    gameId_.reset();
    openFailed_ = false;
    restoredFrom_ = restoredFrom;
    names_ = names;
    startedMs_ = now_();
    if (writeRow("game start", insertGame(), false))
        return true;
    gameId_.reset();
    return false;
}

bool Journal::writeGameRow(const char* what, const Write& write) {
    // Without its game's start (the journal could not be written then) a row
    // would belong to no game.
    return gameId_ && writeRow(what, write, true);
}

bool Journal::gameStarted(const QStringList& names) {
    return startGame(QString(), names);
}

bool Journal::gameRestored(const QString& saveFolder, const QStringList& names) {
    return startGame(saveFolder, names);
}

bool Journal::taskResult(const AnswerRecord& r) {
    const qint64 at = now_();
    return writeGameRow("task result", [&](QString* error) {
        return run(statements_->answer,
                   {*gameId_, at, r.player, r.name, r.square, r.task, r.category, r.right ? 1 : 0, r.openMs},
                   error);
    });
}

bool Journal::finished(int player, int place) {
    const qint64 at = now_();
    return writeGameRow("finish", [&](QString* error) {
        return run(statements_->finish, {*gameId_, at, player, place}, error);
    });
}

bool Journal::saved(const QString& saveFolder) {
    const qint64 at = now_();
    return writeGameRow("save", [&](QString* error) {
        return run(statements_->save, {*gameId_, at, saveFolder}, error);
    });
}

} // namespace zorna::journal
