#pragma once

// The picture tables of the assembly and sliding puzzles. The windows and the
// picture generator both read them, so every piece and tile fits its cell.

namespace zorna {

// Task 21 (kletka25): pictures "kletka25/<n>/<piece>.jpg", each cut into a
// 4 x 4 grid of pieces numbered row by row.
inline constexpr int kAssemblyPictures = 11;
inline constexpr int kAssemblyPieces = 16;

// Task 7 (kletka27): tiles "kletka27/<n>.jpg" in a 4 x 4 frame with one gap.
inline constexpr int kSlidingTiles = 15;

// Side of a square puzzle cell (board cell, tray box, frame cell), which is
// also the size of a piece or tile picture.
inline constexpr int kPuzzleCellTwips = 975;

} // namespace zorna
