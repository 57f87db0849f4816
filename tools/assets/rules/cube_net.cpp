#include "cube_net.h"

#include <algorithm>

namespace zorna::rules {

Vec3 operator-(const Vec3& v) {
    return {-v.x, -v.y, -v.z};
}

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

int dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

namespace {

Vec3 add(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 scale(const Vec3& a, int k) {
    return {a.x * k, a.y * k, a.z * k};
}

// The quarter turn that takes unit vector a onto the perpendicular unit vector b.
Rotation quarterTurn(const Vec3& a, const Vec3& b) {
    const Vec3 k = cross(a, b);
    Rotation r;
    const std::array<Vec3, 3> axes{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (int i = 0; i < 3; ++i)
        r.column[i] = add(cross(k, axes[i]), scale(k, dot(k, axes[i])));
    return r;
}

// Screen direction of a mark's top on the net for a clockwise turn (world y points up the screen).
Vec3 netUp(int turn) {
    switch (((turn % 4) + 4) % 4) {
    case 0:
        return {0, 1, 0};
    case 1:
        return {1, 0, 0};
    case 2:
        return {0, -1, 0};
    default:
        return {-1, 0, 0};
    }
}

int turnIn(const Vec3& up, const Vec3& faceRight, const Vec3& faceUp) {
    if (up == faceUp)
        return 0;
    if (up == faceRight)
        return 1;
    if (up == -faceUp)
        return 2;
    return 3;
}

FaceMark markFacing(const FoldedCube& cube, const Rotation& o, const Vec3& normal, const Vec3& right,
                    const Vec3& up, const MarkSymmetry& symmetry) {
    for (const FoldedFace& f : cube)
        if (o.apply(f.normal) == normal) {
            const int order = f.mark < int(symmetry.size()) ? symmetry[f.mark] : 4;
            return {f.mark, turnIn(o.apply(f.up), right, up) % order};
        }
    return {};
}

} // namespace

Vec3 Rotation::apply(const Vec3& v) const {
    return add(add(scale(column[0], v.x), scale(column[1], v.y)), scale(column[2], v.z));
}

Vec3 Rotation::applyInverse(const Vec3& v) const {
    return {dot(column[0], v), dot(column[1], v), dot(column[2], v)};
}

Rotation Rotation::then(const Rotation& after) const {
    Rotation r;
    for (int i = 0; i < 3; ++i)
        r.column[i] = after.apply(column[i]);
    return r;
}

const std::vector<Rotation>& cubeRotations() {
    static const std::vector<Rotation> all = [] {
        std::vector<Rotation> out;
        const std::array<Vec3, 6> dirs{{{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}};
        for (const Vec3& a : dirs)
            for (const Vec3& b : dirs)
                if (dot(a, b) == 0) {
                    Rotation r;
                    r.column = {a, b, cross(a, b)};
                    out.push_back(r);
                }
        return out;
    }();
    return all;
}

std::optional<FoldedCube> fold(const Net& net) {
    if (net.size() != 6)
        return std::nullopt;
    std::vector<std::optional<Rotation>> placed(net.size());
    placed[0] = Rotation{};
    std::vector<int> queue{0};
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const int a = queue[q];
        for (int b = 0; b < int(net.size()); ++b) {
            if (placed[b])
                continue;
            const int dc = net[b].col - net[a].col;
            const int dr = net[b].row - net[a].row;
            if (std::abs(dc) + std::abs(dr) != 1)
                continue;
            // The paper of b folds down onto the side of the cube facing b; rolling the
            // cube so that side comes up under b gives b's placement.
            const Vec3 towards{dc, -dr, 0};
            placed[b] = placed[a]->then(quarterTurn(towards, {0, 0, 1}));
            queue.push_back(b);
        }
    }
    FoldedCube cube;
    for (std::size_t i = 0; i < net.size(); ++i) {
        if (!placed[i])
            return std::nullopt;
        const Rotation& r = *placed[i];
        cube[i] = {r.applyInverse({0, 0, 1}), net[i].mark, r.applyInverse(netUp(net[i].turn))};
        for (std::size_t j = 0; j < i; ++j)
            if (cube[j].normal == cube[i].normal)
                return std::nullopt;
    }
    return cube;
}

BoxView normalised(const BoxView& view, const MarkSymmetry& symmetry) {
    auto norm = [&](FaceMark m) {
        const int order = m.mark < int(symmetry.size()) ? symmetry[m.mark] : 4;
        m.turn = ((m.turn % order) + order) % order;
        return m;
    };
    return {norm(view.top), norm(view.front), norm(view.right)};
}

BoxView viewOf(const FoldedCube& cube, const Rotation& o, const MarkSymmetry& symmetry) {
    BoxView v;
    v.top = markFacing(cube, o, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}, symmetry);
    v.front = markFacing(cube, o, {0, -1, 0}, {1, 0, 0}, {0, 0, 1}, symmetry);
    v.right = markFacing(cube, o, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, symmetry);
    return v;
}

bool boxFoldsFrom(const BoxView& box, const Net& net, const MarkSymmetry& symmetry) {
    const auto cube = fold(net);
    if (!cube)
        return false;
    const BoxView wanted = normalised(box, symmetry);
    for (const Rotation& o : cubeRotations())
        if (viewOf(*cube, o, symmetry) == wanted)
            return true;
    return false;
}

const std::vector<std::vector<std::array<int, 2>>>& cubeNetShapes() {
    static const std::vector<std::vector<std::array<int, 2>>> shapes{
        // 1-4-1
        {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}},
        {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {1, 2}},
        {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {2, 2}},
        {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}},
        {{1, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {1, 2}},
        {{1, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {2, 2}},
        // 2-3-1
        {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {3, 1}, {1, 2}},
        {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {3, 1}, {2, 2}},
        {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {3, 1}, {3, 2}},
        // 2-2-2
        {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}},
        // 3-3
        {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {4, 1}},
    };
    return shapes;
}

std::vector<std::array<int, 2>> transformShape(const std::vector<std::array<int, 2>>& shape, int quarterTurns,
                                               bool mirrored) {
    std::vector<std::array<int, 2>> out;
    for (auto p : shape) {
        if (mirrored)
            p[0] = -p[0];
        for (int t = 0; t < ((quarterTurns % 4) + 4) % 4; ++t)
            p = {-p[1], p[0]};
        out.push_back(p);
    }
    int minC = out[0][0], minR = out[0][1];
    for (const auto& p : out) {
        minC = std::min(minC, p[0]);
        minR = std::min(minR, p[1]);
    }
    for (auto& p : out)
        p = {p[0] - minC, p[1] - minR};
    return out;
}

} // namespace zorna::rules
