#pragma once

// The colours of kletka11's tiles and patterns.

#include <QColor>

namespace zorna::assets::kletka11 {

inline const QColor kColours[] = {QColor(220, 40, 40), QColor(30, 100, 220), QColor(30, 150, 60),
                                  QColor(240, 180, 0), QColor(150, 60, 190)};

} // namespace zorna::assets::kletka11
