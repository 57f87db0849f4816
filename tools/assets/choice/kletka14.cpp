// kletka14: the one drawing that does not hold the figure in the red square.
#include "choice/kletka14_data.h"
#include "choice/single_choice/line_figures.h"
#include "generators.h"

namespace zorna::assets::sc {

using namespace kletka14;

void drawKletka14(PictureJob& job) {
    drawFigurePicture(job, kOddDrawingHoldsFigure);
}

} // namespace zorna::assets::sc
