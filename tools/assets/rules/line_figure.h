#pragma once

// Line drawings on a square lattice: straight lines between lattice points,
// horizontal, vertical or at 45 degrees. A drawing is the set of unit steps its
// lines cover, so "this figure is in that drawing at the same place and size"
// is a plain subset test.

#include <set>
#include <tuple>
#include <vector>

namespace zorna::rules {

struct LatticePoint {
    int x = 0, y = 0;
    friend auto operator<=>(const LatticePoint&, const LatticePoint&) = default;
};

struct LatticeLine {
    LatticePoint a, b;
};

class LineDrawing {
public:
    // Adds a line; false (and nothing added) when it is not horizontal, vertical or diagonal.
    bool add(LatticePoint a, LatticePoint b);
    void add(const LineDrawing& other);
    void removeStep(LatticePoint a, LatticePoint b);

    bool contains(const LineDrawing& figure) const;
    LineDrawing shifted(int dx, int dy) const;
    LineDrawing mirroredX(int axisTwice) const; // x -> axisTwice - x
    bool fitsIn(int size) const;                // every point within 0..size
    bool empty() const { return steps_.empty(); }
    std::size_t size() const { return steps_.size(); }

    // Maximal straight lines made of the unit steps, for drawing.
    std::vector<LatticeLine> lines() const;
    friend bool operator==(const LineDrawing&, const LineDrawing&) = default;

private:
    using Step = std::pair<LatticePoint, LatticePoint>; // ordered: first < second
    static Step step(LatticePoint a, LatticePoint b);
    std::set<Step> steps_;
};

} // namespace zorna::rules
