#pragma once

// Line drawings on a lattice (kletka14, kletka15): the figure in the red
// square and five drawings, of which exactly one does not hold the figure at
// the same place and size, or exactly one does. Whether a drawing holds the
// figure is computed on the lattice, and every picture is checked.

#include "choice/single_choice/single_choice_draw.h"

namespace zorna::assets::sc {

// Draws one picture; `oddOneHolds`: the odd drawing is the one that holds the figure.
void drawFigurePicture(PictureJob& job, bool oddOneHolds);

} // namespace zorna::assets::sc
