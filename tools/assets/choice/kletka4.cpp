// kletka4: the object made for the opposite purpose of the framed one.
#include "choice/kletka4_data.h"
#include "generators.h"

namespace zorna::assets::sc {

using namespace kletka4;

void drawKletka4(PictureJob& job) {
    if (job.answer < 1 || job.answer > 3 || !job.visible(job.answer))
        job.fail(QStringLiteral("the right region is not one of the regions always shown"));
    drawFramedPair(job, kOpposites[job.picture - 1], kNeutral, kMainFrame);
}

} // namespace zorna::assets::sc
