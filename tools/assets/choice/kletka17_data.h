#pragma once

// The patterns of kletka17: a grid of figures, of these shapes.

#include "choice/single_choice/glyphs.h"

#include <QColor>

namespace zorna::assets::sc::kletka17 {

inline constexpr int kGrid = 4;
inline constexpr int kCopyShapes[] = {Circle, Square, Triangle, Star, Cross};

inline const QColor kGridLines(215, 215, 215);
inline const QColor kOriginalFrame(60, 60, 60);

} // namespace zorna::assets::sc::kletka17
