#pragma once

// The cart of kletka30: its size, with a transparent background.

#include "platform/geometry.h"
#include "tasks/reaction/reaction_rules.h"

namespace zorna::assets::kletka30 {

inline constexpr int kCartW = tw(reaction::kCartWidthTwips);
inline constexpr int kCartH = tw(reaction::kCartHeightTwips);
// Drawn this many times larger, then scaled to its size.
inline constexpr int kScale = 4;

} // namespace zorna::assets::kletka30
