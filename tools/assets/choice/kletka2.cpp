// Kletka2: the inseparable partner of the framed object.
#include "choice/kletka2_data.h"
#include "generators.h"

namespace zorna::assets::sc {

using namespace kletka2;

void drawKletka2(PictureJob& job) {
    drawFramedPair(job, kPartners[job.picture - 1], kUnrelated, kMainFrame);
}

} // namespace zorna::assets::sc
