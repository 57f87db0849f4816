#pragma once

// What sets kletka15's odd drawing apart.

namespace zorna::assets::sc::kletka15 {

inline constexpr bool kOddDrawingHoldsFigure = true;

} // namespace zorna::assets::sc::kletka15
