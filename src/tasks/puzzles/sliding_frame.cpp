#include "tasks/puzzles/sliding_frame.h"

namespace zorna {

SlidingFrame::SlidingFrame() {
    for (auto& row : cells_)
        row.fill(-1);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            cells_[r][c] = cellOf(r, c);
    cells_[4][4] = 0;
}

int SlidingFrame::tileInCell(int cell) const {
    return cells_[rowOf(cell)][colOf(cell)];
}

int SlidingFrame::emptyCell() const {
    for (int cell = 1; cell <= 16; ++cell)
        if (tileInCell(cell) == 0)
            return cell;
    return 0;
}

std::optional<SlidingFrame::Move> SlidingFrame::click(int cell) {
    if (cell < 1 || cell > 16)
        return std::nullopt;
    const int r = rowOf(cell);
    const int c = colOf(cell);
    static constexpr int kNeighbours[4][2] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}}; // left, up, right, down
    for (const auto& n : kNeighbours) {
        const int bx = r + n[0];
        const int by = c + n[1];
        if (cells_[bx][by] == 0) {
            // The move: the empty neighbour takes the tile.
            const int tile = cells_[r][c];
            cells_[bx][by] = tile;
            cells_[r][c] = 0;
            return Move{cell, cellOf(bx, by), tile};
        }
    }
    return std::nullopt;
}

bool SlidingFrame::solved() const {
    for (int cell = 1; cell <= 15; ++cell)
        if (tileInCell(cell) != cell)
            return false;
    return true;
}

} // namespace zorna
