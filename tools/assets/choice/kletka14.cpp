// kletka14: the one drawing that does not hold the figure in the red square.
#include "choice/kletka14_data.h"
#include "choice/single_choice/line_figures.h"
#include "generators.h"

namespace zorna::assets {

void generateKletka14(AssetWriter& w) {
    using namespace sc::kletka14;
    sc::writeSingleChoicePictures(
        w, 14, [](sc::PictureJob& job) { sc::drawFigurePicture(job, kOddDrawingHoldsFigure); });
}

} // namespace zorna::assets
