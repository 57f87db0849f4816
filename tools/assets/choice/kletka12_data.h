#pragma once

// The rows of kletka12: five figures shown before the one to find, in
// colours drawn from this pool.

namespace zorna::assets::sc::kletka12 {

inline constexpr int kShown = 5;
inline constexpr int kRowColours[] = {0, 1, 2, 3, 4};

} // namespace zorna::assets::sc::kletka12
