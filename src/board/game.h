#pragma once

#include "board/board_model.h"

#include <QPoint>
#include <QString>

#include <array>
#include <optional>

namespace zorna {

// The running game without its windows: the players' records (coordinates and
// squares), whose turn it is, who has finished, the slide-back flags and the
// statistics, with the rules of the turn cycle. The board window shows it and
// animates the chips between the squares it gives.
class Game {
public:
    // A game of 2 or 3 players; the count stays for the game's life.
    explicit Game(int playerCount);

    // A new game: coordinates filled, every chip on square 1, nobody finished,
    // no slide-backs, no answers counted.
    void newGame();
    // "Старт": the first player's turn.
    void start() { numGr_ = 1; }

    // A saved game: squares and turn from the record, coordinates recomputed,
    // finished flags rebuilt from the squares, the statistics given. Slide-back
    // flags are not stored and start clear. A turn that falls to a player
    // already at the finish passes on, unless everybody has finished.
    void restore(const GameRecord& record, const StatTable& stats);
    // The record a save writes: the count, the names trimmed, the player
    // records and the turn.
    GameRecord record(const std::array<QString, 3>& names) const;

    // The current player's task was answered: the answer is counted (a
    // category outside 1..7 is not) and the move worked out. Returns the
    // square the chip moves to, already the player's square; nothing when the
    // chip stays, and then the turn has passed.
    std::optional<int> applyResult(bool solved, int category);
    // The current player's chip has come to rest on its square. On the finish
    // the player is marked finished and the place returned (1 for the first).
    // The turn passes on unless the game is over.
    std::optional<int> arrive();
    // The turn goes to the next player who has not finished.
    void passTurn();

    int playerCount() const { return playerCount_; }
    // The player whose turn it is (1..count); a reference that stays valid.
    const int& numGr() const { return numGr_; }
    const PlayerRecords& players() const { return players_; }
    int square(int player) const { return players_[player - 1].square(); }
    // Chip position of a player on a square.
    QPoint chipAt(int player, int square) const { return players_[player - 1].chipAt(square); }
    const StatTable& stats() const { return stats_; }
    bool finished(int player) const { return finished_[player - 1] != 0; }
    int finishedCount() const { return finishedCount_; }
    bool slideBack(int player) const { return slideBack_[player - 1]; }
    // Every player has reached the finish.
    bool over() const { return finishedCount_ == playerCount_; }

private:
    int playerCount_;
    int numGr_ = 1;
    PlayerRecords players_{};
    StatTable stats_;
    std::array<int, 3> finished_{}; // 1 = at the finish
    int finishedCount_ = 0;
    std::array<bool, 3> slideBack_{};
};

} // namespace zorna
