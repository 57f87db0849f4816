#pragma once

// The pieces of kletka25: as large as a cell of the board; a piece must show
// this much spread of light and differ from every other piece this much.

#include "platform/geometry.h"
#include "tasks/puzzles/puzzle_tables.h"

namespace zorna::assets::kletka25 {

inline constexpr int kPiece = tw(kPuzzleCellTwips);
inline constexpr double kMinSpread = 10;
inline constexpr double kMinDifference = 9;

} // namespace zorna::assets::kletka25
