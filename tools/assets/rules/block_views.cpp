#include "block_views.h"

#include <algorithm>

namespace zorna::rules {

int Blocks::blocks() const {
    int n = 0;
    for (int h : height)
        n += h;
    return n;
}

Views viewsOf(const Blocks& b) {
    Views v{};
    for (int y = 0; y < kBase; ++y)
        for (int x = 0; x < kBase; ++x) {
            const int h = b.at(x, y);
            for (int z = 0; z < h; ++z) {
                v.front[kMaxHeight - 1 - z][x] = true;
                v.side[kMaxHeight - 1 - z][y] = true;
            }
            if (h > 0)
                v.top[kBase - 1 - y][x] = true;
        }
    return v;
}

namespace {

bool solidAt(const Blocks& b, double px, double py, double pz) {
    if (px < 0 || py < 0 || pz < 0 || px >= kBase || py >= kBase)
        return false;
    return pz < b.at(int(px), int(py));
}

} // namespace

double leastVisibleTop(const Blocks& b) {
    // The viewer looks from (+1, -1, +1): right, front, above.
    const int samples = 6;
    double least = 1.0;
    for (int y = 0; y < kBase; ++y)
        for (int x = 0; x < kBase; ++x) {
            const int h = b.at(x, y);
            if (h == 0)
                continue;
            int seen = 0;
            for (int i = 0; i < samples; ++i)
                for (int j = 0; j < samples; ++j) {
                    double px = x + (i + 0.5) / samples;
                    double py = y + (j + 0.5) / samples;
                    double pz = h + 1e-3;
                    bool hidden = false;
                    for (double t = 0.02; t < 2.0 * kBase && !hidden; t += 0.02)
                        hidden = solidAt(b, px + t, py - t, pz + t);
                    seen += !hidden;
                }
            least = std::min(least, double(seen) / (samples * samples));
        }
    return least;
}

} // namespace zorna::rules
