#pragma once

// The answer tables of the two cube-counting windows. The windows and the
// picture generator both read them, so a picture always shows the counts its
// window expects.

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

} // namespace zorna
