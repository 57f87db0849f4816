#pragma once

// What sets kletka14's odd drawing apart.

namespace zorna::assets::sc::kletka14 {

inline constexpr bool kOddDrawingHoldsFigure = false;

} // namespace zorna::assets::sc::kletka14
