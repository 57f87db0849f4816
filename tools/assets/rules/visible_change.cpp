#include "rules/visible_change.h"

#include <algorithm>
#include <cstdlib>

namespace zorna::rules {

int channelDistance(Rgb a, Rgb b) {
    int largest = 0;
    for (int shift : {16, 8, 0}) {
        const int ca = int((a >> shift) & 0xffu);
        const int cb = int((b >> shift) & 0xffu);
        largest = std::max(largest, std::abs(ca - cb));
    }
    return largest;
}

namespace {

// Size of the 8-connected area of marked cells around `start`; the cells found
// are unmarked so each area is counted once.
int takeArea(std::vector<char>& marked, int width, int height, int start) {
    std::vector<int> stack{start};
    marked[std::size_t(start)] = 0;
    int size = 0;
    while (!stack.empty()) {
        const int at = stack.back();
        stack.pop_back();
        ++size;
        const int x = at % width;
        const int y = at / width;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                    continue;
                const int next = ny * width + nx;
                if (marked[std::size_t(next)]) {
                    marked[std::size_t(next)] = 0;
                    stack.push_back(next);
                }
            }
    }
    return size;
}

} // namespace

ChangeMeasure measureChange(const Pixels& a, const Pixels& b, int threshold) {
    ChangeMeasure m;
    if (a.width != b.width || a.height != b.height)
        return m;
    std::vector<char> marked(a.colours.size(), 0);
    for (std::size_t i = 0; i < marked.size(); ++i)
        if (channelDistance(a.colours[i], b.colours[i]) >= threshold) {
            marked[i] = 1;
            ++m.changedPixels;
        }
    for (int i = 0; i < int(marked.size()); ++i)
        if (marked[std::size_t(i)])
            m.largestArea = std::max(m.largestArea, takeArea(marked, a.width, a.height, i));
    return m;
}

} // namespace zorna::rules
