#include "journal/journal.h"

#include "journal/journal_place.h"
#include "journal/journal_schema.h"
#include "journal/reading_connection.h"
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
    const auto taken = [](const QString& name) {
        return entryExists(name) || entryExists(name + QStringLiteral("-journal")) ||
               entryExists(name + QStringLiteral("-wal"));
    };
    for (int n = 2; taken(name); ++n)
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

void Journal::logOpenFailure(const QString& error) {
    if (error == loggedOpenError_)
        return;
    loggedOpenError_ = error;
    qCWarning(lcFiles).noquote() << "results journal not opened:" << path_ << "-" << error
                                 << "(tried again at the next row)";
}

bool Journal::openFile() {
    if (!JournalPlace(path_).clear()) {
        logOpenFailure(QStringLiteral("not a plain file in its place"));
        return false;
    }
    // What the file is, read through a connection that changes nothing (it
    // cannot checkpoint a log or make files): a newer version's journal must
    // stay byte for byte as it is, and opening it for writing would merge its log.
    SchemaInfo info;
    if (entryKind(path_) == EntryKind::File)
        info = ReadingConnection(path_).info();
    else
        info.kind = SchemaInfo::Kind::Empty;
    switch (info.kind) {
    case SchemaInfo::Kind::Unreadable:
        logOpenFailure(info.error);
        return false;
    case SchemaInfo::Kind::Damaged:
    case SchemaInfo::Kind::Foreign:
        qCWarning(lcFiles).noquote() << "results journal unusable, moved aside:" << path_ << "-"
                                     << (info.kind == SchemaInfo::Kind::Foreign
                                             ? QStringLiteral("not a journal")
                                             : info.error);
        if (!moveDamagedAside())
            return false;
        info = SchemaInfo();
        info.kind = SchemaInfo::Kind::Empty;
        break;
    case SchemaInfo::Kind::Empty:
        break;
    case SchemaInfo::Kind::Journal:
        if (info.version > kSchemaVersion) {
            qCWarning(lcFiles).noquote()
                << "results journal left alone:" << path_ << "- written by a newer version" << info.version;
            leftAlone_ = true;
            return false;
        }
        break;
    }
    QString error;
    if (openForWriting(info, &error)) {
        loggedOpenError_.clear();
        return true;
    }
    close();
    logOpenFailure(error);
    return false;
}

bool Journal::openForWriting(const SchemaInfo& checked, QString* error) {
    file_ = std::make_unique<SqliteFile>(path_, SqliteFile::Mode::ReadWrite);
    if (!file_->isOpen()) {
        *error = file_->openError();
        return false;
    }
    if (!JournalPlace(path_).isOpenedFile(file_->db())) {
        *error = QStringLiteral("the file opened is not the one checked (a link put in its place)");
        return false;
    }
    const SchemaInfo info = inspect(file_->db());
    if (info.kind != checked.kind || info.version != checked.version) {
        *error = info.kind == SchemaInfo::Kind::Unreadable ? info.error
                                                           : QStringLiteral("the file changed while opened");
        return false;
    }
    QSqlQuery pragmas(file_->db());
    // Rollback journal: each commit is in the file itself before it counts, so
    // the file alone (a teacher's copy of it) holds every row committed. FULL
    // syncs the file at each commit: a power cut keeps every row written.
    if (!pragmas.exec(QStringLiteral("PRAGMA journal_mode = DELETE")) || !pragmas.next()) {
        *error = pragmas.lastError().text();
        return false;
    }
    if (pragmas.value(0).toString() != QLatin1String("delete")) {
        // Another program holds the older log open: written as it is this time.
        qCWarning(lcFiles).noquote() << "results journal stays in mode" << pragmas.value(0).toString()
                                     << "this time:" << path_;
    }
    pragmas.finish();
    if (!pragmas.exec(QStringLiteral("PRAGMA synchronous = FULL"))) {
        *error = pragmas.lastError().text();
        return false;
    }
    pragmas.finish();
    if (info.kind == SchemaInfo::Kind::Empty) {
        if (!createSchema(file_->db(), newIdentity(now_()), error))
            return false;
    } else if (info.version < kSchemaVersion) {
        if (!migrate(file_->db(), info.version, now_(), error))
            return false;
    }
    statements_ = std::make_unique<JournalStatements>(file_->db());
    return statements_->prepare(error);
}

bool Journal::ensureOpen() {
    if (statements_) {
        const JournalPlace place(path_);
        if (place.isPlain() && entryKind(path_) == EntryKind::File)
            return true;
        // A link put beside the open journal goes before SQLite makes its
        // rollback journal through it.
        if (entryKind(path_) == EntryKind::File && place.clear())
            return true;
        // The journal's own name is gone or something else now: a new journal
        // is started there, the current game's start written first.
        qCWarning(lcFiles).noquote() << "results journal gone from its place, started again:" << path_;
        close();
        gameId_.reset();
    }
    if (leftAlone_)
        return false;
    return openFile();
}

bool Journal::moveDamagedAside() {
    const QString aside = asideName(path_, QDateTime::fromMSecsSinceEpoch(now_()).date());
    // The side files belong to the damaged file: a new journal must not pick them up.
    for (const char* side : kSideFiles) {
        const QString from = path_ + QLatin1String(side);
        if (entryExists(from) && !renameEntry(from, aside + QLatin1String(side))) {
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
    gameId_.reset();
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
    inGame_ = true;
    restoredFrom_ = restoredFrom;
    names_ = names;
    startedMs_ = now_();
    if (writeRow("game start", insertGame(), false))
        return true;
    gameId_.reset();
    return false;
}

bool Journal::writeGameRow(const char* what, const Write& write) {
    // A row belongs to its game: a start that could not be written then (the
    // journal could not be opened, a full disk) is written first.
    // Opened first: a journal started again in its place drops the game's id.
    if (!inGame_ || !ensureOpen() || (!gameId_ && !writeRow("game start", insertGame(), false)))
        return false;
    return writeRow(what, write, true);
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
