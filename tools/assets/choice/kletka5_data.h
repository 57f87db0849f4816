#pragma once

// kletka5's pictures: five objects, four of one group and the odd one, and the
// colours they are shown in.

#include <QColor>

#include <array>

namespace zorna::assets::kletka5 {

struct OddPicture {
    const char* group; // what the four have in common
    const char* odd;   // why the fifth does not belong
    std::array<const char*, 4> members;
    const char* outsider;
};

// In picture order; the outsider goes to the number of the answer table.
inline const std::array<OddPicture, 11> kOddPictures{{
    {"фрукти", "морква - овоч", {"🍎", "🍐", "🍌", "🍇"}, "🥕"},
    {"їздять по землі", "літак літає", {"🚗", "🚌", "🚚", "🚜"}, "✈️"},
    {"свійські тварини", "лев - дикий", {"🐄", "🐖", "🐑", "🐐"}, "🦁"},
    {"музичні інструменти", "молоток - інструмент майстра", {"🎸", "🎻", "🥁", "🎺"}, "🔨"},
    {"одяг", "кавун - їжа", {"👕", "👖", "🧦", "🧥"}, "🍉"},
    {"посуд і прибори", "м'яч - іграшка", {"🥄", "🍴", "🍳", "🫖"}, "⚽"},
    {"комахи, що літають", "рибка - не комаха", {"🐝", "🦋", "🐞", "🦟"}, "🐟"},
    {"овочі", "вишня - ягода", {"🥕", "🥔", "🧅", "🥒"}, "🍒"},
    {"живуть у морі", "верблюд живе в пустелі", {"🐙", "🐠", "🦀", "🐬"}, "🐫"},
    {"шкільне приладдя", "піца - їжа", {"✏️", "📏", "📚", "🎒"}, "🍕"},
    {"м'ячі", "апельсин - фрукт", {"⚽", "🏀", "🏐", "⚾"}, "🍊"},
}};

inline const QColor kBackground(250, 248, 236);
inline const QColor kBadge(0, 0, 128);

} // namespace zorna::assets::kletka5
