#pragma once

// kletka8's stories in picture order: story n is the folder
// "kletka8/<n>", and none is shared with the other film window.

#include <array>

namespace zorna::assets::kletka8 {

inline constexpr std::array<const char*, 11> kStoryNames{"plant", "glass",    "snowman",   "candle",
                                                         "vase",  "egg",      "butterfly", "tomato",
                                                         "apple", "ice cube", "hourglass"};

} // namespace zorna::assets::kletka8
