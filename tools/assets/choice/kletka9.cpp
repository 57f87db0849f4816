// kletka9: which net folds into the box. Every wrong net is checked on the
// cube model not to fold into it.
#include "choice/kletka9_data.h"
#include "choice/single_choice/net_and_box.h"
#include "generators.h"

#include <vector>

namespace zorna::assets::sc {

namespace {

using namespace kletka9;
using namespace zorna::rules;

// Nets that fold into a cube but not into this box: a square turned, two
// squares swapped, or a different net with the marks placed anew.
std::vector<Net> wrongNets(const FoldedNet& folded, SeededRandom& rnd, int count) {
    std::vector<Net> out;
    for (int tries = 0; int(out.size()) < count && tries < 400; ++tries) {
        Net n = folded.net;
        switch ((int(out.size()) + tries) % 3) {
        case 0: {
            NetSquare& s = n[std::size_t(rnd.below(6))];
            if (kSymmetry[std::size_t(s.mark)] == 1)
                continue;
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
        if (!fold(n) || boxFoldsFrom(folded.box, n, kSymmetry))
            continue;
        auto key = [](const Net& net) {
            std::vector<std::array<int, 4>> k;
            for (const NetSquare& s : net)
                k.push_back({s.col, s.row, s.mark, s.turn % kSymmetry[std::size_t(s.mark)]});
            std::sort(k.begin(), k.end());
            return k;
        };
        takeIfNew(out, n, folded.net, [&](const Net& a, const Net& b) { return key(a) == key(b); });
    }
    return out;
}

const NetAndBoxTask<Net> kBoxToNet{
    .firstNetShape = kFirstNetShape,
    .netsLaidWide = kNetsLaidWide,
    .right = [](const FoldedNet& folded) { return folded.net; },
    .wrong = wrongNets,
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
