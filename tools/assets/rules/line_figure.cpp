#include "line_figure.h"

#include <algorithm>
#include <cstdlib>

namespace zorna::rules {

LineDrawing::Step LineDrawing::step(LatticePoint a, LatticePoint b) {
    return a < b ? Step{a, b} : Step{b, a};
}

bool LineDrawing::add(LatticePoint a, LatticePoint b) {
    const int dx = b.x - a.x;
    const int dy = b.y - a.y;
    if ((dx == 0 && dy == 0) || (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)))
        return false;
    const int n = std::max(std::abs(dx), std::abs(dy));
    const int sx = (dx > 0) - (dx < 0);
    const int sy = (dy > 0) - (dy < 0);
    for (int i = 0; i < n; ++i)
        steps_.insert(step({a.x + i * sx, a.y + i * sy}, {a.x + (i + 1) * sx, a.y + (i + 1) * sy}));
    return true;
}

void LineDrawing::add(const LineDrawing& other) {
    steps_.insert(other.steps_.begin(), other.steps_.end());
}

void LineDrawing::removeStep(LatticePoint a, LatticePoint b) {
    steps_.erase(step(a, b));
}

bool LineDrawing::contains(const LineDrawing& figure) const {
    for (const Step& s : figure.steps_)
        if (!steps_.count(s))
            return false;
    return true;
}

LineDrawing LineDrawing::shifted(int dx, int dy) const {
    LineDrawing out;
    for (const Step& s : steps_)
        out.steps_.insert(step({s.first.x + dx, s.first.y + dy}, {s.second.x + dx, s.second.y + dy}));
    return out;
}

LineDrawing LineDrawing::mirroredX(int axisTwice) const {
    LineDrawing out;
    for (const Step& s : steps_)
        out.steps_.insert(step({axisTwice - s.first.x, s.first.y}, {axisTwice - s.second.x, s.second.y}));
    return out;
}

bool LineDrawing::fitsIn(int size) const {
    for (const Step& s : steps_)
        for (const LatticePoint& p : {s.first, s.second})
            if (p.x < 0 || p.y < 0 || p.x > size || p.y > size)
                return false;
    return true;
}

std::vector<LatticeLine> LineDrawing::lines() const {
    std::vector<LatticeLine> out;
    std::set<Step> used;
    for (const Step& s : steps_) {
        if (used.count(s))
            continue;
        const int dx = s.second.x - s.first.x;
        const int dy = s.second.y - s.first.y;
        LatticePoint a = s.first;
        LatticePoint b = s.second;
        // Extend backwards and forwards along the same direction.
        while (steps_.count(step({a.x - dx, a.y - dy}, a)))
            a = {a.x - dx, a.y - dy};
        while (steps_.count(step(b, {b.x + dx, b.y + dy})))
            b = {b.x + dx, b.y + dy};
        for (LatticePoint p = a; p != b; p = {p.x + dx, p.y + dy})
            used.insert(step(p, {p.x + dx, p.y + dy}));
        out.push_back({a, b});
    }
    return out;
}

} // namespace zorna::rules
