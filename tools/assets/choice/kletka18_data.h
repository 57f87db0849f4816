#pragma once

// The napkin of kletka18: its size in cells and its colours.

#include <QColor>

namespace zorna::assets::sc::kletka18 {

inline constexpr int kSide = 6; // cells along a side of the open napkin

inline const QColor kCloth(255, 236, 170);
inline const QColor kFold(150, 110, 40);
inline const QColor kFoldGuide(170, 170, 170);
inline const QColor kCutLine(30, 90, 220);

} // namespace zorna::assets::sc::kletka18
