#pragma once

// The apple of kletka26: drawn four times larger, then scaled to its cell.

#include "platform/geometry.h"
#include "tasks/reaction/reaction_rules.h"

namespace zorna::assets::kletka26 {

inline constexpr int kCell = tw(reaction::kAppleCellTwips) - 2; // inside the cell's frame
inline constexpr int kScale = 4;
inline constexpr int kCanvas = kCell * kScale;

} // namespace zorna::assets::kletka26
