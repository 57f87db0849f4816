// Kletka2: the inseparable partner of the framed object.
#include "choice/kletka2_data.h"
#include "generators.h"

namespace zorna::assets {

void generateKletka2(AssetWriter& w) {
    using namespace sc::kletka2;
    sc::writeSingleChoicePictures(w, 2, [](sc::PictureJob& job) {
        sc::drawFramedPair(job, kPartners[job.picture - 1], kUnrelated, kMainFrame);
    });
}

} // namespace zorna::assets
