#pragma once

#include "platform/rnd.h"

#include <array>
#include <optional>

namespace zorna {

// Fifteen numbered tiles in a 4 x 4 frame. The table is 6 x 6: the border rows
// and columns hold -1 and never change, so every neighbour test of an edge cell
// finds an occupied cell. Inner cells hold a tile 1..15 or 0 for the empty cell.
// Cells are numbered 1..16 row by row.
class SlidingFrame {
public:
    struct Move {
        int from; // cell the tile left (now empty)
        int to;   // cell the tile moved to
        int tile;
    };

    // The solved position: 1..15 row by row, the empty cell at (4, 4).
    SlidingFrame();

    int at(int row, int col) const { return cells_[row][col]; }
    int tileInCell(int cell) const;
    // modulator: the row and column (1..4) of a cell number.
    static int rowOf(int cell) { return (cell - 1) / 4 + 1; }
    static int colOf(int cell) { return (cell - 1) % 4 + 1; }
    // demodulator: the cell number of a row and column.
    static int cellOf(int row, int col) { return 4 * (row - 1) + col; }
    int emptyCell() const;

    // A click on a cell: the tile of the cell moves into the empty cell when it is a
    // neighbour (searched left, up, right, down); otherwise nothing happens.
    std::optional<Move> click(int cell);

    // The shuffle: cells drawn as r * 15 + 1 handled as clicks until 51
    // clicks have moved a tile. `onMove` sees every move as it happens.
    template <typename OnMove> void shuffle(Rnd& rnd, OnMove onMove);
    int shuffleMoves() const { return moves_; }

    // Tiles 1..15 run row by row from the upper left corner.
    bool solved() const;

    static constexpr int kShuffleMoves = 51;

private:
    std::array<std::array<int, 6>, 6> cells_;
    int moves_ = 0;
};

template <typename OnMove> void SlidingFrame::shuffle(Rnd& rnd, OnMove onMove) {
    moves_ = 0;
    // A real generator makes 51 moves within a few hundred draws; the bound only
    // keeps a broken generator from hanging the window: then the lowest cell
    // next to the empty one is clicked, which always moves.
    int fruitless = 0;
    while (moves_ <= kShuffleMoves - 1) {
        int cell = rnd.draw(15, 1);
        if (fruitless >= 10000) {
            const int e = emptyCell();
            for (int c = 1; c <= 16; ++c) {
                const int dr = rowOf(c) - rowOf(e), dc = colOf(c) - colOf(e);
                if (dr * dr + dc * dc == 1) {
                    cell = c;
                    break;
                }
            }
        }
        if (auto move = click(cell)) {
            ++moves_;
            fruitless = 0;
            onMove(*move);
        } else {
            ++fruitless;
        }
    }
}

} // namespace zorna
