#include "platform/rnd.h"

#include <QDateTime>

#include <cmath>

namespace zorna {

int roundHalfEven(double x) {
    const double floor = std::floor(x);
    const double diff = x - floor;
    if (diff < 0.5)
        return int(floor);
    if (diff > 0.5)
        return int(floor) + 1;
    return (std::fmod(floor, 2.0) == 0.0) ? int(floor) : int(floor) + 1;
}

int Rnd::draw(int k, int c) {
    // Single precision, as the generator delivers it.
    const float value = next() * float(k) + float(c);
    return roundHalfEven(value);
}

float SystemRnd::next() {
    std::uniform_real_distribution<float> dist(0.0f, 1.0f);
    float v = dist(engine_);
    return v >= 1.0f ? 0.0f : v;
}

void SystemRnd::randomize() {
    engine_.seed(std::mt19937::result_type(QDateTime::currentMSecsSinceEpoch()) ^ std::random_device{}());
}

} // namespace zorna
