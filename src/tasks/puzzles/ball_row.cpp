#include "tasks/puzzles/ball_row.h"

#include <cstdlib>

namespace zorna {

BallRow::BallRow() : holes_{1, 2, 3, 5, 6, 7} {}

int BallRow::ballIn(int h) const {
    for (int ball = 1; ball <= kBalls; ++ball)
        if (hole(ball) == h)
            return ball;
    return 0;
}

int BallRow::emptyHole() const {
    for (int h = 1; h <= kHoles; ++h)
        if (ballIn(h) == 0)
            return h;
    return 0;
}

void BallRow::select(int ball) {
    if (ball >= 1 && ball <= kBalls)
        selected_ = ball;
}

int BallRow::kakoySosed(int direction) const {
    if (selected_ == 0)
        return 0;
    return ballIn(hole(selected_) + direction);
}

bool BallRow::clickHole(int b) {
    // Only the empty hole can receive a ball; an occupied one would put two
    // balls into one hole.
    if (selected_ == 0 || b < 1 || b > kHoles || ballIn(b) != 0)
        return false;
    const int s = hole(selected_);
    const int d = std::abs(s - b);
    if (d == 2) {
        const int sosed = kakoySosed(b > s ? 1 : -1);
        if (sosed == 0 || grey(sosed) == grey(selected_))
            return false;
    } else if (d != 1) {
        return false;
    }
    holes_[selected_ - 1] = b;
    selected_ = 0;
    ++steps_;
    return true;
}

bool BallRow::goalReached() const {
    for (int ball = 1; ball <= kBalls; ++ball) {
        const int h = hole(ball);
        if (grey(ball) ? (h < 5) : (h > 3))
            return false;
    }
    return true;
}

} // namespace zorna
