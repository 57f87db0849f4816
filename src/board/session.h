#pragma once

#include "board/board_model.h"
#include "board/game.h"
#include "journal/journal.h"
#include "platform/program_folder.h"
#include "tasks/common/task_host.h"

#include <QString>

#include <array>
#include <deque>
#include <memory>
#include <optional>

namespace zorna {

// The players of a game: their number and their names as typed (a saved
// game's names come trimmed from its record).
struct Players {
    int count = 2;
    std::array<QString, 3> names;

    // Name of player 1..3; empty outside the range.
    QString name(int player) const { return player >= 1 && player <= 3 ? names[player - 1] : QString(); }
};

// What the registration window hands to the board: the players, and the
// folder of the saved game to continue, if one was chosen.
struct SessionStart {
    Players players;
    std::optional<QString> savedGame;
};

// A player has reached the finish: the name shown on the board and the place.
struct FinishEvent {
    QString name;
    int place = 0;
};

// One game at the board, without its windows: the players, the turn cycle
// (Game), whether the game has been saved since its last change and where
// it is saved, the save and open steps on disk, and the finishes still to be
// shown. The board window shows it and animates what it decides. What
// happens is also written to the results journal beside Save: the game's
// start, every answer, every finish and save (a failing journal is logged
// and never stops the game).
class Session {
public:
    Session(const ProgramFolder& folder, Players players);
    ~Session();

    // A new game: every chip on square 1, the working folder emptied.
    void newGame();

    // Opening a saved game from its folder.
    enum class Opened {
        Damaged,  // the record cannot be read: nothing changes
        Finished, // every player is at the finish: nothing more to play
        Playing,  // the game goes on; its picture memory is back in the working folder
    };
    Opened open(const QString& gameFolder);

    // "Старт": the first player's turn; the next save makes a new folder.
    void start();

    // "Далі": the square whose task the current player is to solve, when it
    // has one (squares 1..32). The game counts as changed either way.
    std::optional<int> nextTask();

    // Applies a task window's answer to the current player; openMs is how
    // long the window was open. Returns the square the chip moves to; nothing
    // when it stays (the turn has then passed).
    std::optional<int> applyResult(const TaskResult& result, qint64 openMs = 0);

    // The current player's chip has come to rest. A finish joins the queue of
    // finishes to show; the turn passes on unless the game is over.
    void arrive();
    // The oldest finish not shown yet, removed from the queue.
    std::optional<FinishEvent> takeFinish();
    bool hasPendingFinish() const { return !finishes_.empty(); }

    // Writes the game whole into its folder under Save (a new folder on the
    // first save). On failure the folder holds the previous save or nothing,
    // and the session is unchanged.
    bool save();

    // The players leave the board: the working folder is emptied.
    void leave();

    const Players& players() const { return players_; }
    const Game& game() const { return game_; }
    const StatTable& stats() const { return game_.stats(); }
    int playerCount() const { return game_.playerCount(); }
    // The player whose turn it is (1..count).
    int currentPlayer() const { return game_.numGr(); }
    QString currentName() const { return players_.name(currentPlayer()); }

    bool isSaved() const { return saved_; }
    // Whether the game has a folder under Save that a save writes into.
    bool hasFolder() const { return hasFolder_; }
    const QString& folderName() const { return folderName_; }

private:
    // The names of the players of this game, player 1 first.
    QStringList playerNames() const;
    journal::Journal& journal();

    const ProgramFolder& folder_;
    Players players_;
    Game game_;
    bool saved_ = true;
    bool hasFolder_ = false;
    QString folderName_;
    std::deque<FinishEvent> finishes_;
    // Opened on the first row written.
    std::unique_ptr<journal::Journal> journal_;
};

} // namespace zorna
