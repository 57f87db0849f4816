#pragma once

// The rows of kletka3: six places, one of them the gap, and the shapes a
// row is made of.

#include "choice/single_choice/glyphs.h"

namespace zorna::assets::sc::kletka3 {

inline constexpr int kRowSlots = 6;
inline constexpr int kRowShapes[] = {Circle, Square, Triangle, Star, Cross};
inline constexpr int kRowColours[] = {0, 1, 2, 3, 4};

} // namespace zorna::assets::sc::kletka3
