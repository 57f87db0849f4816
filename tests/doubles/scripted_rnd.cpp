#include "doubles/scripted_rnd.h"

namespace zorna {

float ScriptedRnd::forDraw(int result, int k, int c) {
    if (k == 0)
        return 0.0f;
    return float(result - c) / float(k);
}

float ScriptedRnd::next() {
    if (values_.isEmpty()) {
        ++overruns_;
        if (!fallback_)
            return 0.0f;
        const float v = std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
        return v >= 1.0f ? 0.0f : v;
    }
    return values_.takeFirst();
}

} // namespace zorna
