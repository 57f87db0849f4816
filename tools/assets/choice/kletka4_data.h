#pragma once

// kletka4's pictures: an object and the one made for the opposite purpose.

#include "choice/single_choice/object_cells.h"
#include "tasks/choice/single_choice_data.h"

#include <QColor>

namespace zorna::assets::sc::kletka4 {

// Object and the one made for the opposite purpose.
inline constexpr ObjectPair kOpposites[kSingleChoicePictures] = {
    {"🔦", "🕶️"},      // torch lights up, sunglasses darken
    {"🧥", "🪭"},      // coat keeps warm, fan cools
    {"🪡", "✂️"},    // needle joins, scissors cut apart
    {"☂️", "🚿"},       // umbrella keeps dry, shower wets
    {"⏰", "🛏️"},      // alarm clock wakes, bed is for sleep
    {"🪜", "🪂"},      // ladder to climb up, parachute to come down
    {"⚓", "⛵"},            // anchor holds the boat, sail moves it
    {"🛡️", "⚔️"}, // shield defends, swords attack
    {"🔭", "🔬"},            // telescope for the far and huge, microscope for the near and tiny
    {"🧊", "🍳"},         // ice cools food, frying pan heats it
    {"🔥", "🧯"},         // fire and the extinguisher that puts it out
};

// Things with no purpose that any main object above is the opposite of: nothing
// that moves, flies, shades, holds or lets one rest or climb.
inline constexpr const char* kNeutral[] = {"🌵", "🎸", "🧸", "🎨", "⚽", "📚", "🎁", "🧩", "🍄"};

inline const QColor kMainFrame(0, 0, 192);

} // namespace zorna::assets::sc::kletka4
