#pragma once

// A cube whose faces carry marks, its nets and the boxes seen from outside.
// A net is folded by rolling a cube under the paper from square to square, so
// each square lands on a cube face together with the direction of its mark.

#include <array>
#include <optional>
#include <vector>

namespace zorna::rules {

struct Vec3 {
    int x = 0, y = 0, z = 0;
    friend bool operator==(const Vec3&, const Vec3&) = default;
};
Vec3 operator-(const Vec3& v);
Vec3 cross(const Vec3& a, const Vec3& b);
int dot(const Vec3& a, const Vec3& b);

// A rotation of the cube: an integer 3x3 matrix (columns are the images of the axes).
struct Rotation {
    std::array<Vec3, 3> column{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    Vec3 apply(const Vec3& v) const;
    Vec3 applyInverse(const Vec3& v) const;
    Rotation then(const Rotation& after) const; // after * this
};
// The 24 rotations of a cube.
const std::vector<Rotation>& cubeRotations();

// One square of a net: grid column and row (rows grow downwards as drawn),
// the mark on it and the mark's turn in clockwise quarter turns as drawn.
struct NetSquare {
    int col = 0, row = 0;
    int mark = 0;
    int turn = 0;
};
using Net = std::vector<NetSquare>;

// A mark as seen on a face from outside: which mark and its clockwise turn.
struct FaceMark {
    int mark = 0;
    int turn = 0;
    friend bool operator==(const FaceMark&, const FaceMark&) = default;
};

// The cube folded from a net: for each outward direction, the mark on that
// face and the direction its top points to (in cube coordinates).
struct FoldedFace {
    Vec3 normal;
    int mark = 0;
    Vec3 up;
};
using FoldedCube = std::array<FoldedFace, 6>;

// Folds a net; nothing when the squares are not six connected squares that
// cover the six faces once each.
std::optional<FoldedCube> fold(const Net& net);

// A box drawn with its top, front (-y) and right (+x) faces visible.
struct BoxView {
    FaceMark top, front, right;
    friend bool operator==(const BoxView&, const BoxView&) = default;
};

// How many distinct turns each mark has (1 for a circle, 2 for a bar, 4 for an
// arrow); turns are compared modulo this.
using MarkSymmetry = std::vector<int>;

BoxView normalised(const BoxView& view, const MarkSymmetry& symmetry);
// The box the cube shows when turned by `orientation`.
BoxView viewOf(const FoldedCube& cube, const Rotation& orientation, const MarkSymmetry& symmetry);
// Whether some turn of the folded net shows exactly this box.
bool boxFoldsFrom(const BoxView& box, const Net& net, const MarkSymmetry& symmetry);

// The eleven nets of a cube, as square positions.
const std::vector<std::vector<std::array<int, 2>>>& cubeNetShapes();
// A shape turned by quarter turns and optionally mirrored, moved to start at 0,0.
std::vector<std::array<int, 2>> transformShape(const std::vector<std::array<int, 2>>& shape, int quarterTurns,
                                               bool mirrored);

} // namespace zorna::rules
