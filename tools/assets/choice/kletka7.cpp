// kletka7: which box folds from the net. Every wrong box is checked on the
// cube model not to fold from it.
#include "choice/kletka7_data.h"
#include "choice/single_choice/net_and_box.h"
#include "generators.h"

#include <optional>

namespace zorna::assets::sc {

namespace {

using namespace kletka7;
using namespace zorna::rules;

// A box changed from the right one in a way that shows: a mark turned the
// wrong way (kind 0), two faces swapped (1), or a face shown beside its
// opposite (2); nothing when the turned mark would look the same.
std::optional<BoxView> changedBox(const FoldedNet& folded, int kind, SeededRandom& rnd) {
    BoxView v = folded.box;
    if (kind == 0) {
        FaceMark* f = faceOf(v, rnd.below(3));
        if (kSymmetry[std::size_t(f->mark)] == 1)
            return std::nullopt;
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
    return normalised(v, kSymmetry);
}

const NetAndBoxTask<BoxView> kNetToBox{
    .firstNetShape = kFirstNetShape,
    .netsLaidWide = kNetsLaidWide,
    .right = [](const FoldedNet& folded) { return folded.box; },
    .changed = changedBox,
    .same = sameBox,
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
