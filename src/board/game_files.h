#pragma once

#include "board/board_model.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zorna {

// The files of a saved game: save folder/<number>/date.dat, statist.dat and
// Temp/ with the copies of the working folder's files.
namespace gamefiles {

inline constexpr auto kDateFile = "date.dat";
inline constexpr auto kStatFile = "statist.dat";

// The smallest positive number that names nothing in the save folder.
QString freeGameFolderName(const QString& saveFolder);

// Copies every plain file of `from` into `to` (created when missing), each
// replaced as a whole. False when a file could not be copied.
bool copyFiles(const QString& from, const QString& to);

// Writes a save into the game folder: the working folder's files into its
// Temp, then statist.dat, then date.dat, each file replaced as a whole, so a
// save cut short leaves the previous save readable. False on any failure.
bool writeSave(const QString& gameFolder, const QString& workingFolder, const GameRecord& record,
               const StatTable& stats);

// The game record of a game folder; nothing when date.dat is missing, too
// short or holds an impossible game.
std::optional<GameRecord> readGameRecord(const QString& gameFolder);
// The statistics of a game folder; nothing when statist.dat is missing or too short.
std::optional<StatTable> readStatTable(const QString& gameFolder);

// The saved games: the real subfolders of the save folder (no links), in the
// order of their names as text ("1", "10", "2").
QStringList savedGameFolders(const QString& saveFolder);

// Deletes a game folder that is a direct subfolder of the save folder with
// everything inside it. Links inside are removed as links, never followed; a
// folder outside the save folder is left alone. True when it is gone.
bool removeGameFolder(const QString& saveFolder, const QString& gameFolder);

} // namespace gamefiles
} // namespace zorna
