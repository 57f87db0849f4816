#pragma once

// kletka6's pictures: three framed objects sharing a feature, the one
// candidate that shares it and three that do not.

#include "choice/single_choice/object_cells.h"
#include "tasks/choice/single_choice_data.h"

#include <QColor>

namespace zorna::assets::sc::kletka6 {

// Three framed objects sharing a feature, the one candidate that shares it and
// three that do not.
struct Group {
    const char* framed[3];
    const char* answer;
    const char* others[3];
};

inline constexpr Group kGroups[kSingleChoicePictures] = {
    {{"🍎", "🍐", "🍌"}, "🍒", {"🚗", "🎸", "🪑"}},            // fruit
    {{"✈️", "🚁", "🎈"}, "🦋", {"🚗", "🐢", "🏠"}},       // things that fly
    {{"⛵", "🚤", "🛶"}, "🚢", {"🚗", "🚲", "🚂"}},            // they go on water
    {{"🎸", "🎺", "🥁"}, "🎻", {"📚", "⚽", "🔨"}},            // musical instruments
    {{"🔨", "🪛", "🔧"}, "🪚", {"🍎", "🎈", "🧸"}},      // tools
    {{"🐝", "🐞", "🦋"}, "🐜", {"🐢", "🐟", "🐸"}},            // insects (and no other flier)
    {{"⛄", "🎿", "🛷"}, "⛸️", {"🏖️", "🍉", "🌻"}}, // winter
    {{"🍓", "🚒", "🌹"}, "🍅", {"🍋", "🥦", "🫐"}},         // red
    {{"👕", "👖", "🧦"}, "🧥", {"🪑", "🍞", "🎈"}},      // clothes
    {{"🦆", "🦉", "🐧"}, "🦜", {"🐟", "🐝", "🐇"}},      // birds
    {{"🐙", "🐠", "🦀"}, "🐬", {"🐄", "🐿️", "🦒"}},   // sea animals
};

inline const QColor kMainFrame(0, 0, 192);

} // namespace zorna::assets::sc::kletka6
