#pragma once

// kletka13's stories in picture order: story n is the folder
// "kletka13/<n>", and none is shared with the other film window.

#include <array>

namespace zorna::assets::kletka13 {

inline constexpr std::array<const char*, 11> kStoryNames{"house",  "tower",    "sandwich", "ice cream",
                                                         "smiley", "dominoes", "pizza",    "chocolate",
                                                         "nest",   "campfire", "cake"};

} // namespace zorna::assets::kletka13
