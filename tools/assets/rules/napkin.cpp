#include "napkin.h"

namespace zorna::rules {

namespace {

// A hole turned into its mirror image: the triangles `a` and `b` swap, every
// other hole looks the same.
Hole swapped(Hole h, Hole a, Hole b) {
    return h == a ? b : (h == b ? a : h);
}

} // namespace

Hole mirroredAcrossVertical(Hole h) {
    return swapped(h, Hole::TriangleLeft, Hole::TriangleRight);
}

Hole mirroredAcrossHorizontal(Hole h) {
    return swapped(h, Hole::TriangleUp, Hole::TriangleDown);
}

int Sheet::holes() const {
    int n = 0;
    for (Hole h : cells)
        n += h != Hole::None;
    return n;
}

Sheet unfold(const Sheet& piece, Folding folding) {
    const bool acrossVertical = folding != Folding::TopHalf;
    const bool acrossHorizontal = folding != Folding::LeftHalf;
    Sheet out(piece.width * (acrossVertical ? 2 : 1), piece.height * (acrossHorizontal ? 2 : 1));
    for (int y = 0; y < piece.height; ++y)
        for (int x = 0; x < piece.width; ++x) {
            const Hole h = piece.at(x, y);
            const int mx = out.width - 1 - x;
            const int my = out.height - 1 - y;
            out.set(x, y, h);
            if (acrossVertical)
                out.set(mx, y, mirroredAcrossVertical(h));
            if (acrossHorizontal)
                out.set(x, my, mirroredAcrossHorizontal(h));
            if (acrossVertical && acrossHorizontal)
                out.set(mx, my, mirroredAcrossHorizontal(mirroredAcrossVertical(h)));
        }
    return out;
}

} // namespace zorna::rules
