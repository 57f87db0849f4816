// kletka9: which net folds into the box. Every wrong net is checked on the
// cube model not to fold into it.
#include "choice/kletka9_data.h"
#include "choice/single_choice/net_and_box.h"
#include "generators.h"

#include <optional>
#include <vector>

namespace zorna::assets::sc {

namespace {

using namespace kletka9;
using namespace zorna::rules;

// A net changed from the right one: a square turned (kind 0), two squares
// swapped (1), or a different net with the marks placed anew (2); nothing when
// the turned square would look the same or the net does not fold into a cube.
std::optional<Net> changedNet(const FoldedNet& folded, int kind, SeededRandom& rnd) {
    Net n = folded.net;
    switch (kind) {
    case 0: {
        NetSquare& s = n[std::size_t(rnd.below(6))];
        if (kSymmetry[std::size_t(s.mark)] == 1)
            return std::nullopt;
        s.turn = (s.turn + rnd.between(1, 3)) % 4;
        break;
    }
    case 1: {
        const int a = rnd.below(6);
        const int b = (a + 1 + rnd.below(5)) % 6;
        std::swap(n[std::size_t(a)].mark, n[std::size_t(b)].mark);
        std::swap(n[std::size_t(a)].turn, n[std::size_t(b)].turn);
        break;
    }
    default:
        n = randomNet(rnd, rnd.below(int(cubeNetShapes().size())), false);
        break;
    }
    if (!fold(n))
        return std::nullopt;
    return n;
}

// Two nets are the same when their squares carry the same marks turned alike.
bool sameNet(const Net& a, const Net& b) {
    auto key = [](const Net& net) {
        std::vector<std::array<int, 4>> k;
        for (const NetSquare& s : net)
            k.push_back({s.col, s.row, s.mark, s.turn % kSymmetry[std::size_t(s.mark)]});
        std::sort(k.begin(), k.end());
        return k;
    };
    return key(a) == key(b);
}

const NetAndBoxTask<Net> kBoxToNet{
    .firstNetShape = kFirstNetShape,
    .netsLaidWide = kNetsLaidWide,
    .right = [](const FoldedNet& folded) { return folded.net; },
    .changed = changedNet,
    .same = sameNet,
    .goesWith = [](const FoldedNet& folded,
                   const Net& net) { return boxFoldsFrom(folded.box, net, kSymmetry); },
    .drawMain =
        [](QPainter& p, const QRect& area, const FoldedNet& folded) {
            drawBox(p, QRectF(area).adjusted(kBoxMarginX, kBoxMarginY, -kBoxMarginX, -kBoxMarginY),
                    folded.box);
        },
    .drawCandidate = [](QPainter& p, const QRect& cell, const Net& net) { drawNet(p, cell, net); },
    .fittingCount = "%1 nets fold into the box",
    .noneFound = "no box with three wrong nets",
};

} // namespace

void drawKletka9(PictureJob& job) {
    drawNetAndBox(job, kBoxToNet);
}

} // namespace zorna::assets::sc
