#pragma once

// kletka7's nets: laid wide, beside the row of boxes, and which of the
// eleven net shapes picture 1 starts with.

namespace zorna::assets::sc::kletka7 {

inline constexpr bool kNetsLaidWide = true;
inline constexpr int kFirstNetShape = 0;

} // namespace zorna::assets::sc::kletka7
