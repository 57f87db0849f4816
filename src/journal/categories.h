#pragma once

#include <QString>

#include <array>

namespace zorna::journal {

// The seven answer categories of the statistics window, numbered 1..7 as the
// task windows report them.
inline constexpr int kCategoryCount = 7;

inline bool isCategory(int category) {
    return category >= 1 && category <= kCategoryCount;
}

// The category's title (1..7), as the statistics window and the results
// program show it.
QString categoryTitle(int category);

} // namespace zorna::journal
