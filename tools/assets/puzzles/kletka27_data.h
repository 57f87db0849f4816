#pragma once

// The tiles of kletka27: as large as a cell of the frame, in wood colours.

#include "platform/geometry.h"
#include "tasks/puzzles/puzzle_tables.h"

#include <QColor>

namespace zorna::assets::kletka27 {

inline constexpr int kPiece = tw(kPuzzleCellTwips);

inline const QColor kBevel(0x8a5a2b);
inline const QColor kWoodLight(0xf7e1b5);
inline const QColor kWoodDark(0xd9a45f);
inline const QColor kHighlight(0xfff4dc);
inline const QColor kShadow(0x9a6a35);
inline const QColor kNumber(0x5a1e00);

} // namespace zorna::assets::kletka27
