#pragma once

#include <array>

namespace zorna {

// Seven holes in a row and six balls: balls 1..3 grey, 4..6 red, one hole empty.
// A selected ball slides into the neighbouring empty hole or jumps over one
// ball of the other colour into the empty hole behind it.
class BallRow {
public:
    static constexpr int kBalls = 6;
    static constexpr int kHoles = 7;

    // Grey balls in holes 1..3, red balls in holes 5..7, hole 4 empty.
    BallRow();

    int hole(int ball) const { return holes_[ball - 1]; }
    // The ball standing in a hole, 0 for the empty hole.
    int ballIn(int hole) const;
    int emptyHole() const;
    int selected() const { return selected_; }
    int steps() const { return steps_; }
    static bool grey(int ball) { return ball >= 1 && ball <= 3; }

    // A click on a ball: the ball becomes the selected one, replacing any earlier choice.
    void select(int ball);
    // A click on hole b: moves the selected ball there when the move is legal,
    // counts the step and clears the selection; returns whether it moved. A
    // refused click keeps the selection.
    bool clickHole(int b);
    // kakoySosed: the ball next to the selected one in a direction (-1 or +1).
    int kakoySosed(int direction) const;

    // Red balls fill holes 1..3 and grey balls holes 5..7, in any order.
    bool goalReached() const;

private:
    std::array<int, kBalls> holes_;
    int selected_ = 0;
    int steps_ = 0;
};

} // namespace zorna
