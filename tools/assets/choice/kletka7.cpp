// kletka7: which box folds from the net. Every wrong box is checked on the
// cube model not to fold from it.
#include "choice/kletka7_data.h"
#include "choice/single_choice/net_and_box.h"
#include "generators.h"

#include <vector>

namespace zorna::assets::sc {

namespace {

using namespace kletka7;
using namespace zorna::rules;

// Boxes that cannot be folded from the net, each wrong in a way that shows:
// a mark turned the wrong way, two faces swapped, or a face shown beside its opposite.
std::vector<BoxView> wrongBoxes(const FoldedNet& folded, SeededRandom& rnd, int count) {
    std::vector<BoxView> out;
    for (int tries = 0; int(out.size()) < count && tries < 400; ++tries) {
        BoxView v = folded.box;
        const int kind = (int(out.size()) + tries) % 3;
        if (kind == 0) {
            FaceMark* f = faceOf(v, rnd.below(3));
            if (kSymmetry[std::size_t(f->mark)] == 1)
                continue;
            f->turn += rnd.between(1, 3);
        } else if (kind == 1) {
            const int a = rnd.below(3);
            const int b = (a + 1 + rnd.below(2)) % 3;
            std::swap(*faceOf(v, a), *faceOf(v, b));
        } else {
            FaceMark* f = faceOf(v, rnd.below(3));
            Vec3 normal;
            for (const FoldedFace& ff : folded.cube)
                if (ff.mark == f->mark)
                    normal = ff.normal;
            for (const FoldedFace& ff : folded.cube)
                if (ff.normal == -normal)
                    f->mark = ff.mark;
            f->turn = rnd.below(4);
        }
        v = normalised(v, kSymmetry);
        if (boxFoldsFrom(v, folded.net, kSymmetry))
            continue;
        takeIfNew(out, v, folded.box, sameBox);
    }
    return out;
}

const NetAndBoxTask<BoxView> kNetToBox{
    .firstNetShape = kFirstNetShape,
    .netsLaidWide = kNetsLaidWide,
    .right = [](const FoldedNet& folded) { return folded.box; },
    .wrong = wrongBoxes,
    .goesWith = [](const FoldedNet& folded,
                   const BoxView& box) { return boxFoldsFrom(box, folded.net, kSymmetry); },
    .drawMain = [](QPainter& p, const QRect& area, const FoldedNet& folded) { drawNet(p, area, folded.net); },
    .drawCandidate = [](QPainter& p, const QRect& cell,
                        const BoxView& box) { drawBox(p, QRectF(cell).adjusted(8, 8, -8, -8), box); },
    .fittingCount = "%1 boxes fold from the net",
    .noneFound = "no net with three wrong boxes",
};

} // namespace

void drawKletka7(PictureJob& job) {
    drawNetAndBox(job, kNetToBox);
}

} // namespace zorna::assets::sc
