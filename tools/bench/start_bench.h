#pragma once

#include <QString>

namespace bench {

// The registration window's size, which the bare window copies.
inline constexpr int kRegistrationWidth = 200;
inline constexpr int kRegistrationHeight = 134;

// A probe process: builds the QApplication, then either the game's own start
// (`game`) or one bare QWidget of the registration window's size, and prints
// "painted <monotonic ns> rss <MB>" once its first frame is on the screen.
int runStartProbe(int argc, char** argv, bool game, const QString& programFolder);

struct StartFigures {
    double startMs = 0;
    double rssMb = 0;
};

// Spawns this executable as a probe and reads its figures; the time runs from
// just before the process is spawned to its first painted frame.
StartFigures spawnStartProbe(bool game, const QString& programFolder);

} // namespace bench
