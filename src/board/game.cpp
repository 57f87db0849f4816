#include "board/game.h"

namespace zorna {

Game::Game(int playerCount) : playerCount_(playerCount) {}

void Game::newGame() {
    finishedCount_ = 0;
    finished_.fill(0);
    ZapovnXY(players_);
    for (int p = 1; p <= playerCount_; ++p)
        players_[p - 1].setSquare(1);
    stats_.clear();
    slideBack_.fill(false);
}

void Game::restore(const GameRecord& record, const StatTable& stats) {
    players_ = record.players;
    numGr_ = record.numGr;
    slideBack_.fill(false);
    ZapovnXY(players_);
    finishedCount_ = 0;
    finished_.fill(0);
    for (int p = 1; p <= playerCount_; ++p) {
        if (square(p) == kFinishSquare) {
            finished_[p - 1] = 1;
            ++finishedCount_;
        }
    }
    stats_ = stats;
    if (!over() && finished(numGr_))
        passTurn();
}

GameRecord Game::record(const std::array<QString, 3>& names) const {
    GameRecord r;
    r.playerCount = playerCount_;
    for (int p = 1; p <= playerCount_; ++p) {
        r.names[p - 1] = names[p - 1].trimmed();
        r.players[p - 1] = players_[p - 1];
    }
    r.numGr = numGr_;
    return r;
}

std::optional<int> Game::applyResult(bool solved, int category) {
    const int p = numGr_;
    if (category >= 1 && category <= 7)
        stats_.add(p, category, solved ? 1 : 2);
    const MoveRule rule = krokRule(square(p), solved, slideBack_[p - 1]);
    slideBack_[p - 1] = rule.slideBack;
    if (!rule.newSquare) {
        passTurn();
        return std::nullopt;
    }
    players_[p - 1].setSquare(*rule.newSquare);
    return rule.newSquare;
}

std::optional<int> Game::arrive() {
    std::optional<int> place;
    if (square(numGr_) == kFinishSquare) {
        finished_[numGr_ - 1] = 1;
        ++finishedCount_;
        place = finishedCount_;
    }
    if (!over())
        passTurn();
    return place;
}

void Game::passTurn() {
    numGr_ = nextPlayer(numGr_, playerCount_, finished_);
}

} // namespace zorna
