// Kletka2: the inseparable partner of the framed object.
#include "choice/kletka2_data.h"
#include "generators.h"

namespace zorna::assets::sc {

namespace {

using namespace kletka2;
using rules::SeededRandom;

void drawPartners(PictureJob& job) {
    const ObjectPair& pair = kPartners[job.picture - 1];
    SeededRandom rnd(job.seed());
    const std::vector<const char*> pool(std::begin(kUnrelated), std::end(kUnrelated));
    const QStringList others =
        pickFrom(rnd, pool, {str(pair.main), str(pair.answer)}, visibleRegions(job) - 1);
    job.drawEmoji(inset(job.layout.main, 18), str(pair.main));
    drawFrame(job.p, job.layout.main, kMainFrame, 4);
    placeCandidates(job, str(pair.answer), others);
}

} // namespace

} // namespace zorna::assets::sc

namespace zorna::assets {

void generateKletka2(AssetWriter& w) {
    sc::writeSingleChoicePictures(w, 2, sc::drawPartners);
}

} // namespace zorna::assets
