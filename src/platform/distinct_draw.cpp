#include "platform/distinct_draw.h"

#include <algorithm>

namespace zorna {

void drawDistinct(Rnd& rnd, std::span<int> values, int k, int c) {
    for (size_t j = 0; j < values.size(); ++j) {
        const auto drawn = values.first(j);
        const auto used = [&](int v) { return std::find(drawn.begin(), drawn.end(), v) != drawn.end(); };
        int v = rnd.draw(k, c);
        for (int attempt = 0; used(v) && attempt < 100000; ++attempt)
            v = rnd.draw(k, c);
        for (v = used(v) ? c : v; used(v);)
            ++v;
        values[j] = v;
    }
}

} // namespace zorna
