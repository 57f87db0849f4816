#pragma once

// The picture tables of the memory windows. The windows and the picture
// generator both read them, so every picture has the size of its box and each
// changed detail lies where the window takes the click.

#include "tasks/common/twips_rect.h"

#include <array>

namespace zorna {

// ---- kletka24: a scene and the same scene with one detail changed ----

inline constexpr int kChangedPictures = 14;
// The picture box, where both versions of a scene are shown.
inline constexpr TwipsRect kChangedPictureTwips{240, 1440, 7455, 4590};

// The changed detail of picture n: x1, y1, x2, y2 in pixels of the picture box.
struct ChangedRegion {
    int x1, y1, x2, y2;
    // Only the points strictly inside the rectangle count.
    constexpr bool hits(int x, int y) const { return x1 < x && x < x2 && y1 < y && y < y2; }
};
inline constexpr std::array<ChangedRegion, kChangedPictures> kChangedRegions{{
    {320, 184, 369, 225},
    {104, 32, 145, 65},
    {168, 104, 265, 185},
    {328, 120, 385, 249},
    {296, 144, 329, 177},
    {280, 80, 313, 105},
    {144, 232, 193, 297},
    {264, 104, 281, 121},
    {328, 80, 361, 105},
    {304, 256, 409, 289},
    {296, 184, 321, 209},
    {144, 120, 193, 153},
    {240, 112, 273, 137},
    {312, 160, 345, 185},
}};

// ---- kletka31: nine of the pool's pictures in a 3 x 3 grid ----

inline constexpr int kRememberPool = 36;
inline constexpr int kRememberCellTwips = 1815; // each cell is square

// ---- kletka33: six items, each in a square cell and a tray box ----

inline constexpr int kPlaceItems = 6;
inline constexpr int kPlaceCellTwips = 1215;

} // namespace zorna
