#pragma once

#include "platform/rnd.h"

#include <span>

namespace zorna {

// Fills `values` in order with draws of r * k + c, drawing again while a value
// repeats one drawn before, so every entry differs. The bound on the redraws
// only keeps a broken generator from hanging a window: it then takes the
// smallest value from c up not drawn yet.
void drawDistinct(Rnd& rnd, std::span<int> values, int k, int c);

} // namespace zorna
