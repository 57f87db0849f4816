#pragma once

#include <QString>

namespace bench {

// The registration window's size, which the bare window copies.
inline constexpr int kRegistrationWidth = 200;
inline constexpr int kRegistrationHeight = 134;
// The one line of text the bare start window shows in a QLabel (UTF-8).
inline constexpr char kBareStartText[] = "Привіт, світе!";

struct StartFigures {
    double startMs = 0;
    double rssMb = 0;
};

// Spawns zorna_start_probe (beside this executable) and reads its figures; the time runs from
// just before the process is spawned to its first painted frame.
StartFigures spawnStartProbe(bool game, const QString& programFolder);

} // namespace bench
