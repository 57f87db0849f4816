#pragma once

#include <QString>
#include <QStringList>

namespace zorna {

// The command line and the console of a program run as a command.

// The arguments after the program's name, every letter kept: on Windows they
// come from the UTF-16 command line (main's argv is in the system's 8-bit
// code page, which loses letters it has not, such as Cyrillic on a Western
// Windows); elsewhere from argv.
QStringList commandArguments(int argc, char** argv);

enum class ConsoleStream { Output, Error };

// Writes one line of text to the standard output or error. On Windows a
// console gets it as UTF-16 (shown right whatever its code page), a file or
// a pipe as UTF-8; a windowed program started from a console window writes
// into that console. Elsewhere it is UTF-8.
void writeConsoleLine(ConsoleStream stream, const QString& text);

} // namespace zorna
