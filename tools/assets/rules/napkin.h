#pragma once

// A square napkin folded in half or in four, with holes cut through every
// layer. Unfolding mirrors each hole across the fold lines.

#include <vector>

namespace zorna::rules {

// What is cut out of one cell of the napkin. Triangles point the named way,
// so a mirror turns a triangle pointing left into one pointing right.
enum class Hole { None, Circle, Square, TriangleUp, TriangleRight, TriangleDown, TriangleLeft };

// Mirror across a vertical line (left and right swap) and across a horizontal line.
Hole mirroredAcrossVertical(Hole h);
Hole mirroredAcrossHorizontal(Hole h);

struct Sheet {
    int width = 0, height = 0;
    std::vector<Hole> cells; // row by row
    Sheet() = default;
    Sheet(int w, int h) : width(w), height(h), cells(std::size_t(w * h), Hole::None) {}
    Hole at(int x, int y) const { return cells[std::size_t(y * width + x)]; }
    void set(int x, int y, Hole h) { cells[std::size_t(y * width + x)] = h; }
    int holes() const;
    friend bool operator==(const Sheet&, const Sheet&) = default;
};

// How the napkin was folded. The folded piece is the left half (fold line on
// its right edge), the top half (fold line on its bottom edge) or the top-left
// quarter (fold lines on its right and bottom edges).
enum class Folding { LeftHalf, TopHalf, Quarter };

// The full napkin of a folded piece with its holes.
Sheet unfold(const Sheet& piece, Folding folding);

} // namespace zorna::rules
