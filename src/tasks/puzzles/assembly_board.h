#pragma once

#include "tasks/puzzles/puzzle_tables.h"

#include <array>

namespace zorna {

class Rnd;

// The picture assembly: a tray of 16 pieces in shuffled order and a 4 x 4 board.
// Piece k belongs on board cell k (both numbered row by row). A piece dropped on
// a cell that is not its own counts an error; the sixth error ends the task.
class AssemblyBoard {
public:
    static constexpr int kCells = kAssemblyPieces;
    static constexpr int kErrorsAllowed = 5;

    // Tray order: 16 distinct pieces drawn as u * 15 + 1, each drawn again while
    // it is already in the tray (the shuffle).
    void shuffleTray(Rnd& rnd);
    int trayPiece(int v) const { return tray_[v - 1]; }

    // A piece dropped on board cell i; returns whether it was the cell's own piece.
    bool drop(int cell, int piece);
    int boardPiece(int cell) const { return board_[cell - 1]; }
    int errors() const { return errors_; }
    bool tooManyErrors() const { return errors_ > kErrorsAllowed; }

    // Every cell holds its own piece.
    bool complete() const;
    // A cell whose piece is wrong or missing (it gets a blot at the finish).
    bool wrongCell(int cell) const { return boardPiece(cell) != cell; }

private:
    std::array<int, kCells> tray_{};
    std::array<int, kCells> board_{};
    int errors_ = 0;
};

} // namespace zorna
