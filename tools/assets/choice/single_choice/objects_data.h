#pragma once

// The objects of the everyday-object windows (Kletka2, kletka4, kletka6), one
// row per picture; objects.cpp draws them. Every object is a character of the
// colour emoji font.

#include "tasks/choice/single_choice_data.h"

namespace zorna::assets::sc::objects_data {

struct Pair {
    const char* main;
    const char* answer;
};

// Object and its inseparable partner, one per picture.
inline constexpr Pair kPartners[kSingleChoicePictures] = {
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

// Object and the one made for the opposite purpose.
inline constexpr Pair kOpposites[kSingleChoicePictures] = {
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

} // namespace zorna::assets::sc::objects_data
