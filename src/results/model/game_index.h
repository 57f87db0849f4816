#pragma once

#include <QHash>
#include <QString>

#include <unordered_map>
#include <vector>

namespace zorna::journal {
class JournalReader;
}

namespace zorna::results {

// What the class view and every pupil's view need of one journal's games,
// worked out once for the journal as read: games by id, the chains of saved
// and continued games, and the games each spelling of a name played in.
struct GameIndex {
    explicit GameIndex(const journal::JournalReader& reader);

    std::unordered_map<qint64, std::size_t> indexOf;  // game id -> index in the reader's games
    std::vector<std::size_t> firstOf;                 // game index -> index of its chain's first game
    QHash<QString, std::vector<std::size_t>> gamesOf; // a name as typed -> its games' indexes, ascending
};

} // namespace zorna::results
