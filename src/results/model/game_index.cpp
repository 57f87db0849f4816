#include "results/model/game_index.h"

#include "journal/journal_reader.h"
#include "results/model/results_model.h"

namespace zorna::results {

GameIndex::GameIndex(const journal::JournalReader& reader)
    : firstOf(firstGameOf(reader.games(), reader.saves())) {
    const std::vector<journal::GameRow>& games = reader.games();
    indexOf.reserve(games.size());
    for (std::size_t i = 0; i < games.size(); ++i) {
        indexOf.emplace(games[i].id, i);
        for (const QString& name : games[i].names) {
            std::vector<std::size_t>& played = gamesOf[name];
            // One name typed for two players of a game lists the game once.
            if (played.empty() || played.back() != i)
                played.push_back(i);
        }
    }
}

} // namespace zorna::results
