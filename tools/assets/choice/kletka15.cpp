// kletka15: the one drawing that holds the figure in the red square.
#include "choice/kletka15_data.h"
#include "choice/single_choice/line_figures.h"
#include "generators.h"

namespace zorna::assets::sc {

using namespace kletka15;

void drawKletka15(PictureJob& job) {
    drawFigurePicture(job, kOddDrawingHoldsFigure);
}

} // namespace zorna::assets::sc
