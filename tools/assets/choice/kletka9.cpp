// kletka9: which net folds into the box. Every wrong net is checked on the
// cube model not to fold into it.
#include "choice/kletka9_data.h"
#include "choice/single_choice/cube_faces.h"
#include "choice/single_choice/single_choice_draw.h"
#include "generators.h"

#include <vector>

namespace zorna::assets::sc {

namespace {

using namespace kletka9;
using namespace zorna::rules;

// Nets that fold into a cube but not into this box: a square turned, two
// squares swapped, or a different net with the marks placed anew.
std::vector<Net> wrongNets(const Net& right, const BoxView& box, SeededRandom& rnd, int count) {
    std::vector<Net> out;
    for (int tries = 0; int(out.size()) < count && tries < 400; ++tries) {
        Net n = right;
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
        if (!fold(n) || boxFoldsFrom(box, n, kSymmetry))
            continue;
        auto key = [](const Net& net) {
            std::vector<std::array<int, 4>> k;
            for (const NetSquare& s : net)
                k.push_back({s.col, s.row, s.mark, s.turn % kSymmetry[std::size_t(s.mark)]});
            std::sort(k.begin(), k.end());
            return k;
        };
        bool fresh = key(n) != key(right);
        for (const Net& o : out)
            fresh = fresh && key(n) != key(o);
        if (fresh)
            out.push_back(n);
    }
    return out;
}

void drawBoxToCubeNet(PictureJob& job) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        SeededRandom rnd(job.seed(attempt));
        const Net net = randomNet(
            rnd, (job.picture - 1 + kFirstNetShape + attempt) % int(cubeNetShapes().size()), kNetsLaidWide);
        const auto cube = fold(net);
        if (!cube) {
            job.fail(QStringLiteral("a cube net does not fold"));
            return;
        }
        const BoxView box = normalised(viewOf(*cube, randomRotation(rnd), kSymmetry), kSymmetry);
        const std::vector<Net> wrong = wrongNets(net, box, rnd, job.layout.regionCount - 1);
        if (int(wrong.size()) != job.layout.regionCount - 1)
            continue;
        std::vector<Net> shown;
        std::size_t next = 0;
        int folding = 0;
        for (int i = 1; i <= job.layout.regionCount; ++i) {
            shown.push_back(i == job.answer ? net : wrong[next++]);
            folding += boxFoldsFrom(box, shown.back(), kSymmetry);
        }
        if (folding != 1) {
            job.fail(QStringLiteral("%1 nets fold into the box").arg(folding));
            return;
        }
        drawBox(job.p, QRectF(job.layout.main).adjusted(kBoxMarginX, kBoxMarginY, -kBoxMarginX, -kBoxMarginY),
                box);
        for (int i = 1; i <= job.layout.regionCount; ++i) {
            drawCandidateCell(job.p, job.layout.region(i));
            drawNet(job.p, job.layout.region(i), shown[std::size_t(i - 1)]);
        }
        return;
    }
    job.fail(QStringLiteral("no box with three wrong nets"));
}

} // namespace

} // namespace zorna::assets::sc

namespace zorna::assets {

void generateKletka9(AssetWriter& w) {
    sc::writeSingleChoicePictures(w, 9, sc::drawBoxToCubeNet);
}

} // namespace zorna::assets
