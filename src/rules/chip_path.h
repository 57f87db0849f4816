#pragma once

// Where a chip stands on the board map: the game places the chips there, the
// generator draws the squares of the map under them, and the tests write saved
// games with these positions.

namespace zorna::rules {

// Squares 1..88 lie in rows of eleven, 72 pixels apart, that run right and
// left in turn; the three players' chips stand 13 pixels apart on each square.
struct ChipSpot {
    int left;
    int top;
};

inline constexpr int kSquaresPerRow = 11;
inline constexpr int kSquarePitch = 72;
inline constexpr int kLanePitch = 13;

// Top-left of the chip of player 1..3 on square 1..88.
constexpr ChipSpot chipSpot(int player, int square) {
    const int row = (square - 1) / kSquaresPerRow;
    const int place = (square - 1) % kSquaresPerRow;
    const int left = row % 2 == 0 ? 27 + kSquarePitch * place : 747 - kSquarePitch * place;
    const int top = 21 + kSquarePitch * row + kLanePitch * (player - 2);
    return {left, top};
}

} // namespace zorna::rules
