#pragma once

#include <QString>

namespace zorna {

// Facts about the computer and the program that a file records about its maker.

// The computer's network name ("" when the system does not say).
QString computerName();
// The account the program runs under (USER, USERNAME on Windows, LOGNAME).
QString accountName();
// The program's version, as the build names it (CMake's project VERSION).
QString programVersion();
// A new random id (QUuid text without braces).
QString newUniqueId();

} // namespace zorna
