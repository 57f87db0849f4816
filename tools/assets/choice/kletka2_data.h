#pragma once

// Kletka2's pictures: an object and its inseparable partner, one per picture.

#include "choice/single_choice/object_cells.h"
#include "tasks/choice/single_choice_data.h"

#include <QColor>

namespace zorna::assets::sc::kletka2 {

// Object and its inseparable partner, one per picture.
inline constexpr ObjectPair kPartners[kSingleChoicePictures] = {
    {"🔑", "🔒"},             // key and lock
    {"🪡", "🧵"},       // needle and thread
    {"🐕", "🦴"},          // dog and bone
    {"🐇", "🥕"},          // rabbit and carrot
    {"🐒", "🍌"},             // monkey and banana
    {"🔦", "🔋"},             // torch and battery
    {"🖥️", "🖱️"}, // computer and mouse
    {"🥣", "🥄"},       // bowl and spoon
    {"🐝", "🍯"},             // bee and honey
    {"🚗", "⛽"},             // car and fuel pump
    {"✉️", "📫"},        // letter and letter box
};

// Things that belong with none of the objects above.
inline constexpr const char* kUnrelated[] = {"🎈",    "🌵",    "🚲", "🎸", "⏰",    "👒", "🚀",
                                             "🧸", "🪁", "🎨", "🔔", "🦋", "⛄", "🌂"};

inline const QColor kMainFrame(0, 0, 255);

} // namespace zorna::assets::sc::kletka2
