// kletka15: the one drawing that holds the figure in the red square.
#include "choice/kletka15_data.h"
#include "choice/single_choice/line_figures.h"
#include "generators.h"

namespace zorna::assets {

void generateKletka15(AssetWriter& w) {
    using namespace sc::kletka15;
    sc::writeSingleChoicePictures(
        w, 15, [](sc::PictureJob& job) { sc::drawFigurePicture(job, kOddDrawingHoldsFigure); });
}

} // namespace zorna::assets
