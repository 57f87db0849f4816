#pragma once

#include <random>

namespace zorna {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int roundHalfEven(double x);

// Uniform single-precision random values in [0, 1).
class Rnd {
public:
    virtual ~Rnd() = default;
    virtual float next() = 0;
    // Reseeds the generator from the clock.
    virtual void randomize() = 0;

    // The game's integer draw: r * k + c rounded with halves to even, so the two
    // end values of a range come half as often as the others.
    int draw(int k, int c);
};

class SystemRnd : public Rnd {
public:
    float next() override;
    void randomize() override;

private:
    std::mt19937 engine_{std::random_device{}()};
};

} // namespace zorna
