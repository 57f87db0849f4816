// kletka15: the one drawing that holds the figure in the red square.
#include "choice/kletka15_data.h"
#include "choice/single_choice/line_figures.h"
#include "generators.h"

namespace zorna::assets::sc {

namespace {

using namespace kletka15;
void drawFigureFound(PictureJob& job) {
    drawFigurePicture(job, kOddDrawingHoldsFigure);
}

} // namespace

} // namespace zorna::assets::sc

namespace zorna::assets {

void generateKletka15(AssetWriter& w) {
    sc::writeSingleChoicePictures(w, 15, sc::drawFigureFound);
}

} // namespace zorna::assets
