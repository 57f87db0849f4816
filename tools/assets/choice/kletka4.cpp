// kletka4: the object made for the opposite purpose of the framed one.
#include "choice/kletka4_data.h"
#include "generators.h"

namespace zorna::assets::sc {

namespace {

using namespace kletka4;
using rules::SeededRandom;

void drawOpposites(PictureJob& job) {
    if (job.answer < 1 || job.answer > 3 || !job.visible(job.answer))
        job.fail(QStringLiteral("the right region is not one of the regions always shown"));
    const ObjectPair& pair = kOpposites[job.picture - 1];
    SeededRandom rnd(job.seed());
    const std::vector<const char*> pool(std::begin(kNeutral), std::end(kNeutral));
    const QStringList others =
        pickFrom(rnd, pool, {str(pair.main), str(pair.answer)}, visibleRegions(job) - 1);
    job.drawEmoji(inset(job.layout.main, 18), str(pair.main));
    drawFrame(job.p, job.layout.main, kMainFrame, 4);
    placeCandidates(job, str(pair.answer), others);
}

} // namespace

} // namespace zorna::assets::sc

namespace zorna::assets {

void generateKletka4(AssetWriter& w) {
    sc::writeSingleChoicePictures(w, 4, sc::drawOpposites);
}

} // namespace zorna::assets
