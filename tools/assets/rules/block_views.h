#pragma once

// A small block object: stacks of unit blocks on a 3 x 3 base (no overhangs),
// its three silhouettes and whether every stack can be seen in the drawing.

#include <array>

namespace zorna::rules {

inline constexpr int kBase = 3;
inline constexpr int kMaxHeight = 3;

// Stack heights, x from left to right, y from front to back.
struct Blocks {
    std::array<int, kBase * kBase> height{};
    int at(int x, int y) const { return height[std::size_t(y * kBase + x)]; }
    void set(int x, int y, int h) { height[std::size_t(y * kBase + x)] = h; }
    int blocks() const;
    friend bool operator==(const Blocks&, const Blocks&) = default;
};

// A silhouette: filled[row][col], row 0 at the top of the picture.
using Silhouette = std::array<std::array<bool, kBase>, kMaxHeight>;

struct Views {
    Silhouette front; // seen from the front: columns are x, rows are heights
    Silhouette side;  // seen from the right: columns are y (front on the left), rows are heights
    Silhouette top;   // seen from above: columns are x, rows are y (back at the top)
    friend bool operator==(const Views&, const Views&) = default;
};

Views viewsOf(const Blocks& b);

// The drawing looks from the front, the right and above. Each stack must show
// at least this share of its top face there, so nothing that decides a view hides.
double leastVisibleTop(const Blocks& b);

} // namespace zorna::rules
