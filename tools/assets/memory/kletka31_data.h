#pragma once

// kletka31's thirty-six clearly different objects to remember, and their ground.

#include <QColor>
#include <QStringList>

namespace zorna::assets::kletka31 {

inline const QStringList kObjects{
    QStringLiteral("🍎"),      QStringLiteral("🍌"),      QStringLiteral("🍇"), QStringLiteral("🍓"),
    QStringLiteral("🥕"),   QStringLiteral("🍄"),      QStringLiteral("🌻"), QStringLiteral("🌵"),
    QStringLiteral("🦊"),   QStringLiteral("🐸"),      QStringLiteral("🐟"), QStringLiteral("🐢"),
    QStringLiteral("🦉"),   QStringLiteral("🐞"),      QStringLiteral("🐝"), QStringLiteral("🦋"),
    QStringLiteral("🚗"),      QStringLiteral("🚲"),      QStringLiteral("🚜"), QStringLiteral("🚀"),
    QStringLiteral("⛵"),      QStringLiteral("🏠"),      QStringLiteral("⏰"), QStringLiteral("🔑"),
    QStringLiteral("✂️"), QStringLiteral("✏️"), QStringLiteral("📚"), QStringLiteral("🎸"),
    QStringLiteral("🔔"),      QStringLiteral("☂️"), QStringLiteral("🎁"), QStringLiteral("🧸"),
    QStringLiteral("🍉"),      QStringLiteral("🍍"),      QStringLiteral("👑"), QStringLiteral("🥁"),
};

inline const QColor kGround(250, 248, 238);

} // namespace zorna::assets::kletka31
