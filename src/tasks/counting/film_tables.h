#pragma once

// The film-frame windows' stories and frame boxes. The windows and the
// picture generator both read them, so every frame has the size of its box.

#include "tasks/common/task_square.h"

#include <array>

namespace zorna {

// What differs between the two film-frame windows.
struct FilmRow {
    TaskSquare task;              // the square it opens on, its window number, category and caption
    int textLeft, textTop;        // the instruction, twips
    int doneLeft, doneTop;        // the done button, twips
    std::array<int, 4> frameLeft; // frames 1..4, twips; top 4080
};

inline constexpr std::array<FilmRow, 2> kFilmRows{{
    {{.square = 20, .windowNumber = 8, .category = 4, .caption = "Завдання №20"},
     2040,
     120,
     9600,
     120,
     {480, 3120, 5760, 8400}},
    {{.square = 12, .windowNumber = 13, .category = 4, .caption = "Завдання №12"},
     1920,
     0,
     9480,
     0,
     {360, 3000, 5640, 8280}},
}};

// Stories per window, each told in four frames "kletkaN/<story>/<frame>.jpg".
inline constexpr int kFilmStories = 11;
inline constexpr int kFilmFrames = 4;
// Frames 1..4, the frame boxes.
inline constexpr int kFilmFrameWidthTwips = 2535;
inline constexpr int kFilmFrameHeightTwips = 1635;

} // namespace zorna
