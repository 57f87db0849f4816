#pragma once

// A small deterministic generator (SplitMix64): the same seed draws the same
// pictures on every build and every standard library.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zorna::rules {

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // 0..n-1
    int below(int n) { return n <= 1 ? 0 : int(next() % std::uint64_t(n)); }
    // lo..hi inclusive
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }

    template <class T> void shuffle(std::vector<T>& v) {
        for (int i = int(v.size()) - 1; i > 0; --i)
            std::swap(v[i], v[below(i + 1)]);
    }
    // The values of a table, shuffled.
    template <class T, std::size_t N> std::vector<T> shuffled(const T (&table)[N]) {
        std::vector<T> v(table, table + N);
        shuffle(v);
        return v;
    }
    template <class T> const T& pick(const std::vector<T>& v) { return v[below(int(v.size()))]; }

private:
    std::uint64_t state_;
};

} // namespace zorna::rules
