#pragma once

// kletka33's six items to put back in their places, and their ground.

#include <QColor>
#include <QStringList>

namespace zorna::assets::kletka33 {

inline const QStringList kItems{QStringLiteral("🍐"),    QStringLiteral("🔑"), QStringLiteral("☂️"),
                                QStringLiteral("🧸"), QStringLiteral("🚗"), QStringLiteral("🎈")};

inline const QColor kGround(255, 255, 255);

} // namespace zorna::assets::kletka33
