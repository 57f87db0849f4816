#include "tasks/puzzles/assembly_board.h"

#include "platform/rnd.h"

#include <algorithm>

namespace zorna {

void AssemblyBoard::shuffleTray(Rnd& rnd) {
    tray_.fill(0);
    for (int v = 0; v < kCells; ++v) {
        const auto used = [&](int q) {
            return std::find(tray_.begin(), tray_.begin() + v, q) != tray_.begin() + v;
        };
        int q = rnd.draw(15, 1);
        // A real generator finds a new piece within a few draws; the bound only keeps
        // a broken generator from hanging the window (then the lowest unused piece).
        for (int attempt = 0; used(q) && attempt < 100000; ++attempt)
            q = rnd.draw(15, 1);
        for (q = used(q) ? 1 : q; used(q); ++q) {
        }
        tray_[v] = q;
    }
}

bool AssemblyBoard::drop(int cell, int piece) {
    if (cell < 1 || cell > kCells)
        return false;
    board_[cell - 1] = piece;
    if (piece == cell)
        return true;
    ++errors_;
    return false;
}

bool AssemblyBoard::complete() const {
    for (int cell = 1; cell <= kCells; ++cell)
        if (wrongCell(cell))
            return false;
    return true;
}

} // namespace zorna
