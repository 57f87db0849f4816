#pragma once

#include <QStringList>

namespace zorna::results {

// This computer's journal: results.sqlite in the games folder the game uses
// (beside the program in a portable copy, the user's data folder when installed).
QString ownJournal();

// --csv FILE [JOURNAL_OR_FOLDER…]: writes the class table of the journals (this
// computer's when none is named) to FILE. Files that cannot be read are named
// on stderr and left out. Returns 0 when the CSV is written, 1 when it is not,
// 2 for a command line without FILE.
int runCsvCommand(const QStringList& arguments);

} // namespace zorna::results
