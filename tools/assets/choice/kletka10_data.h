#pragma once

// kletka10's ground.

#include <QColor>

namespace zorna::assets::kletka10 {

inline const QColor kBackground(225, 232, 245);

} // namespace zorna::assets::kletka10
