#pragma once

#include <QString>
#include <QStringList>

namespace zorna::results {

// This computer's journal: results.sqlite in the games folder the game uses
// (beside the program in a portable copy, the user's data folder when installed).
QString ownJournal();
// Every place the game may have kept this computer's journal: the games
// folder it uses now, the program folder (a portable copy) and the user's
// data folder (an installed game, or a portable copy on a read-only medium).
QStringList ownJournalPlaces();

// What the command line asks for.
struct StartRequest {
    enum class Mode { Window, Help, Version, Csv, Invalid };
    Mode mode = Mode::Window;
    QString csvFile;     // Csv: where to write
    QStringList sources; // journal files and folders (Csv and Window)
    QString error;       // Invalid: what is wrong, in Ukrainian
};

// The arguments after the program's name.
StartRequest parseArguments(const QStringList& arguments);

QString helpText();
QString versionText();

// Exit codes of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNothingRead = 3;

// --help, --version and --csv without a window; prints to stdout and stderr and
// returns the exit code. --csv writes the class table of the sources (this
// computer's journal when none is named): files that cannot be read are named
// on stderr and left out; when none could be read nothing is written and the
// code is kExitNothingRead.
int runCommand(const StartRequest& request);

} // namespace zorna::results
