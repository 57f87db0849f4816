#pragma once

// kletka19's look-alikes: how far apart they must be, and the colours and
// ground they are drawn in.

#include <QColor>

namespace zorna::assets::kletka19 {

// A pixel counts as changed when a colour channel moves by at least this much,
// and a difference counts as seen at once when such pixels form one connected
// area of at least this many pixels.
inline constexpr int kClearColourChange = 64;
inline constexpr int kNoticeableArea = 150;

inline const QColor kPalette[] = {QColor(220, 50, 50), QColor(40, 120, 220), QColor(40, 160, 70),
                                  QColor(240, 190, 20), QColor(150, 70, 190)};
inline const QColor kBackground(236, 240, 228);

} // namespace zorna::assets::kletka19
