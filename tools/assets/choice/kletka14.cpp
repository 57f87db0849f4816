// kletka14: the one drawing that does not hold the figure in the red square.
#include "choice/kletka14_data.h"
#include "choice/single_choice/line_figures.h"
#include "generators.h"

namespace zorna::assets::sc {

namespace {

using namespace kletka14;
void drawFigureMissing(PictureJob& job) {
    drawFigurePicture(job, kOddDrawingHoldsFigure);
}

} // namespace

} // namespace zorna::assets::sc

namespace zorna::assets {

void generateKletka14(AssetWriter& w) {
    sc::writeSingleChoicePictures(w, 14, sc::drawFigureMissing);
}

} // namespace zorna::assets
