#pragma once

// kletka22's figures: the block each figure is cut from, and the smallest
// cube edge a pupil can still count at real size.

#include "tasks/counting/cube_tables.h"

#include <array>

namespace zorna::assets::kletka22 {

struct Block {
    int w, d, h; // footprint along x and y, height
};

inline constexpr std::array<Block, kCubePictures> kSamples{{
    {3, 3, 2},
    {3, 2, 3},
    {2, 2, 3},
    {3, 3, 2},
    {3, 3, 2},
    {3, 3, 3},
    {3, 3, 3},
    {3, 2, 2},
    {3, 3, 2},
    {3, 3, 3},
    {4, 3, 3},
}};

// The smallest cube edge, in pixels, a pupil can still count at real size.
inline constexpr double kMinCubeEdge = 18.0;

} // namespace zorna::assets::kletka22
