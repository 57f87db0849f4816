#pragma once

// kletka9's nets: laid compact, each in a candidate's cell, and which of
// the eleven net shapes picture 1 starts with; the box keeps this margin in its cell.

namespace zorna::assets::sc::kletka9 {

inline constexpr bool kNetsLaidWide = false;
inline constexpr int kFirstNetShape = 5;
inline constexpr int kBoxMarginX = 70;
inline constexpr int kBoxMarginY = 6;

} // namespace zorna::assets::sc::kletka9
