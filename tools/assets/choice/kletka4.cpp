// kletka4: the object made for the opposite purpose of the framed one.
#include "choice/kletka4_data.h"
#include "generators.h"

namespace zorna::assets {

void generateKletka4(AssetWriter& w) {
    using namespace sc::kletka4;
    sc::writeSingleChoicePictures(w, 4, [](sc::PictureJob& job) {
        if (job.answer < 1 || job.answer > 3 || !job.visible(job.answer))
            job.fail(QStringLiteral("the right region is not one of the regions always shown"));
        sc::drawFramedPair(job, kOpposites[job.picture - 1], kNeutral, kMainFrame);
    });
}

} // namespace zorna::assets
