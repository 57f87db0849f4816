#pragma once

#include "board/board_model.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zorna {

// The files of a saved game: save folder/<number>/date.dat, statist.dat and
// Temp/ with the copies of the working folder's files.
//
// A save is all or nothing for the whole game folder: the new game is written
// into the sibling "<name>~saving", synced, renamed to "<name>~ready" once it
// is complete, and then swapped in ("<name>" steps aside as "<name>~old", the
// ready one takes its name). recoverInterruptedSaves() finishes or discards a
// swap that a killed program left, so a game folder is always the complete old
// or the complete new game.
namespace gamefiles {

inline constexpr auto kDateFile = "date.dat";
inline constexpr auto kStatFile = "statist.dat";
inline constexpr auto kTempFolder = "Temp";

// A game file much larger than its record is damaged and is not read.
inline constexpr qint64 kMaxGameFileBytes = 4096;
// Working-folder files larger than this are no used-picture files: a save or a
// restore leaves them out.
inline constexpr qint64 kMaxWorkingFileBytes = 64 * 1024;

// The smallest positive number that names nothing in the save folder (nor a
// save in progress of that name).
QString freeGameFolderName(const QString& saveFolder);

// Writes the game into the game folder (created when missing) as a whole: the
// working folder's plain files into its Temp, statist.dat and date.dat. On
// failure the folder stays the previous save, or is not made at all for a
// first save. Nothing is written when the save folder is not a real folder (a
// link put in its place). False on any failure.
bool writeSave(const QString& gameFolder, const QString& workingFolder, const GameRecord& record,
               const StatTable& stats);

// Finishes or undoes the saves that a killed program left half swapped in the
// save folder. Runs at start-up, before saved games are listed. A staged game
// is swapped in only when it reads back whole (date.dat and statist.dat parse,
// Temp a real folder or absent), and an old one goes only when the game folder
// is complete; a leftover that holds no complete game is kept aside as
// "<name>~damaged-<date>", never removed. False when something could not be
// put right (it is logged and tried again next time).
bool recoverInterruptedSaves(const QString& saveFolder);

// Copies the plain files of the game folder's Temp (never links, nor a Temp
// that is a link) into the working folder. False when a file could not be copied.
bool restoreWorkingFolder(const QString& gameFolder, const QString& workingFolder);

// The game record of a game folder; nothing when date.dat is missing, is not
// a plain file, is much larger than its record, too short, or holds an
// impossible game.
std::optional<GameRecord> readGameRecord(const QString& gameFolder);
// The statistics of a game folder; nothing when statist.dat is missing, not a
// plain file, much larger than its record or too short.
std::optional<StatTable> readStatTable(const QString& gameFolder);

// The saved games: the real subfolders of the save folder (no links, no saves
// in progress, nothing kept aside: no name with "~", no name that cannot be
// read as text), in the order of their names as text ("1", "10", "2").
QStringList savedGameFolders(const QString& saveFolder);
// The real subfolders whose names are not valid text (Linux), as shown with
// U+FFFD for what cannot be shown: the list leaves them out.
QStringList unreadableGameFolders(const QString& saveFolder);

// Deletes a game folder that is a direct subfolder of the save folder with
// everything inside it. Links inside are removed as links, never followed; a
// folder outside the save folder is left alone. True when it is gone.
bool removeGameFolder(const QString& saveFolder, const QString& gameFolder);

} // namespace gamefiles
} // namespace zorna
