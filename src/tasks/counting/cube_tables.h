#pragma once

// The answer tables of the two cube-counting windows. The windows and the
// picture generator both read them, so a picture always shows the counts its
// window expects.

#include "tasks/common/twips_rect.h"

#include <array>

namespace zorna {

// Entries by picture 1..11: how many cubes each of five figures lacks (task 24),
// and how many cubes the picture shows (task 18).
inline constexpr int kCubePictures = 11;
inline constexpr std::array<std::array<int, 5>, kCubePictures> kMissingCubes{{
    {3, 3, 3, 5, 6},
    {2, 3, 4, 3, 6},
    {2, 2, 3, 4, 4},
    {3, 5, 7, 6, 4},
    {2, 4, 3, 6, 5},
    {2, 4, 4, 8, 8},
    {4, 6, 11, 9, 16},
    {2, 2, 4, 4, 5},
    {5, 5, 5, 5, 5},
    {2, 4, 5, 6, 10},
    {8, 19, 20, 34, 26},
}};
inline constexpr std::array<int, kCubePictures> kCubeCounts{4, 5, 8, 10, 12, 15, 10, 21, 15, 45, 44};

// The picture box of each window.
inline constexpr TwipsRect kMissingPictureTwips{120, 1320, 6255, 4140}; // task 24
inline constexpr TwipsRect kCountPictureTwips{0, 1680, 6360, 4245};     // task 18
// Task 24: the answer regions over figures 1..5, relative to the picture box. The
// generator draws each figure inside its region.
inline constexpr std::array<TwipsRect, 5> kMissingRegionTwips{{
    {2160, 0, 1935, 1935},
    {4200, 0, 1935, 1935},
    {0, 2160, 1935, 1935},
    {2160, 2160, 1935, 1935},
    {4200, 2160, 1935, 1935},
}};

} // namespace zorna
