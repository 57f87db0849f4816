// kletka7: which box folds from the net. Every wrong box is checked on the
// cube model not to fold from it.
#include "choice/kletka7_data.h"
#include "choice/single_choice/cube_faces.h"
#include "choice/single_choice/single_choice_draw.h"
#include "generators.h"

#include <vector>

namespace zorna::assets::sc {

namespace {

using namespace kletka7;
using namespace zorna::rules;

// Boxes that cannot be folded from the net, each wrong in a way that shows:
// a mark turned the wrong way, two faces swapped, or a face shown beside its opposite.
std::vector<BoxView> wrongBoxes(const Net& net, const FoldedCube& cube, const BoxView& right,
                                SeededRandom& rnd, int count) {
    std::vector<BoxView> out;
    for (int tries = 0; int(out.size()) < count && tries < 400; ++tries) {
        BoxView v = right;
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
            for (const FoldedFace& ff : cube)
                if (ff.mark == f->mark)
                    normal = ff.normal;
            for (const FoldedFace& ff : cube)
                if (ff.normal == -normal)
                    f->mark = ff.mark;
            f->turn = rnd.below(4);
        }
        v = normalised(v, kSymmetry);
        if (boxFoldsFrom(v, net, kSymmetry))
            continue;
        bool fresh = !sameBox(v, right);
        for (const BoxView& o : out)
            fresh = fresh && !sameBox(v, o);
        if (fresh)
            out.push_back(v);
    }
    return out;
}

void drawCubeNetToBox(PictureJob& job) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        SeededRandom rnd(job.seed(attempt));
        const Net net = randomNet(
            rnd, (job.picture - 1 + kFirstNetShape + attempt) % int(cubeNetShapes().size()), kNetsLaidWide);
        const auto cube = fold(net);
        if (!cube) {
            job.fail(QStringLiteral("a cube net does not fold"));
            return;
        }
        const BoxView right = normalised(viewOf(*cube, randomRotation(rnd), kSymmetry), kSymmetry);
        const std::vector<BoxView> wrong = wrongBoxes(net, *cube, right, rnd, job.layout.regionCount - 1);
        if (int(wrong.size()) != job.layout.regionCount - 1)
            continue;
        std::vector<BoxView> shown;
        std::size_t next = 0;
        int folding = 0;
        for (int i = 1; i <= job.layout.regionCount; ++i) {
            shown.push_back(i == job.answer ? right : wrong[next++]);
            folding += boxFoldsFrom(shown.back(), net, kSymmetry);
        }
        if (folding != 1) {
            job.fail(QStringLiteral("%1 boxes fold from the net").arg(folding));
            return;
        }
        drawNet(job.p, job.layout.main, net);
        for (int i = 1; i <= job.layout.regionCount; ++i) {
            drawCandidateCell(job.p, job.layout.region(i));
            drawBox(job.p, QRectF(job.layout.region(i)).adjusted(8, 8, -8, -8), shown[std::size_t(i - 1)]);
        }
        return;
    }
    job.fail(QStringLiteral("no net with three wrong boxes"));
}

} // namespace

} // namespace zorna::assets::sc

namespace zorna::assets {

void generateKletka7(AssetWriter& w) {
    sc::writeSingleChoicePictures(w, 7, sc::drawCubeNetToBox);
}

} // namespace zorna::assets
