#include "board/session.h"

#include "board/game_files.h"
#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

namespace zorna {

Session::Session(const ProgramFolder& folder, Players players)
    : folder_(folder), players_(std::move(players)), game_(players_.count) {}

Session::~Session() = default;

QStringList Session::playerNames() const {
    return QStringList(players_.names.begin(), players_.names.begin() + players_.count);
}

journal::Journal& Session::journal() {
    if (!journal_) {
        // An installed game's folder in the user's data folder may not exist yet.
        folder_.ensureGamesRoot();
        journal_ = std::make_unique<journal::Journal>(journal::journalFileIn(folder_.gamesRoot()));
    }
    return *journal_;
}

void Session::newGame() {
    saved_ = true;
    game_.newGame();
    removeFilesIn(folder_.workingFolder());
}

Session::Opened Session::open(const QString& gameFolder) {
    saved_ = true;
    const std::optional<GameRecord> record = gamefiles::readGameRecord(gameFolder);
    if (!record)
        return Opened::Damaged;
    // The statistics and the game's folder belong to a finished game as well:
    // F2 shows its counts and a save writes back into its folder.
    game_.restore(*record, gamefiles::readStatTable(gameFolder).value_or(StatTable()));
    hasFolder_ = true;
    folderName_ = QFileInfo(gameFolder).fileName();
    if (game_.over())
        return Opened::Finished;
    folder_.ensureFolder(QStringLiteral("Temp"));
    removeFilesIn(folder_.workingFolder());
    // Without its picture memory the game still plays: the failure is logged.
    if (!gamefiles::restoreWorkingFolder(gameFolder, folder_.workingFolder()))
        qCWarning(lcFiles).noquote() << "picture memory of" << gameFolder << "not fully restored";
    journal().gameRestored(folderName_, playerNames());
    return Opened::Playing;
}

void Session::start() {
    game_.start();
    hasFolder_ = false;
    saved_ = false;
    journal().gameStarted(playerNames());
}

std::optional<int> Session::nextTask() {
    saved_ = false;
    const int square = game_.square(currentPlayer());
    if (square < 1 || square > kFinishSquare - 1)
        return std::nullopt;
    return square;
}

std::optional<int> Session::applyResult(const TaskResult& result, qint64 openMs) {
    const int player = currentPlayer();
    const int square = game_.square(player);
    // Square s holds task s.
    journal().taskResult(journal::AnswerRecord{player, players_.name(player), square, square, result.category,
                                               result.right, openMs});
    return game_.applyResult(result.right, result.category);
}

void Session::arrive() {
    // The name is the arriving player's, taken before the turn passes on.
    const QString name = currentName();
    const int player = currentPlayer();
    if (const std::optional<int> place = game_.arrive()) {
        finishes_.push_back(FinishEvent{name, *place});
        journal().finished(player, *place);
    }
}

std::optional<FinishEvent> Session::takeFinish() {
    if (finishes_.empty())
        return std::nullopt;
    FinishEvent finish = finishes_.front();
    finishes_.pop_front();
    return finish;
}

bool Session::save() {
    const bool firstSave = !hasFolder_;
    // Made when missing; a link put in its place meanwhile is moved aside.
    folder_.ensureFolder(QStringLiteral("Save"));
    const QString saveFolder = folder_.saveFolder();
    const QString name = firstSave ? gamefiles::freeGameFolderName(saveFolder) : folderName_;
    const GameRecord record = game_.record(players_.names);
    // All or nothing: on failure the game folder is still the previous save (or absent).
    if (!gamefiles::writeSave(QDir(saveFolder).filePath(name), folder_.workingFolder(), record,
                              game_.stats()))
        return false;
    folderName_ = name;
    hasFolder_ = true;
    saved_ = true;
    journal().saved(folderName_);
    return true;
}

void Session::leave() {
    removeFilesIn(folder_.workingFolder());
}

} // namespace zorna
