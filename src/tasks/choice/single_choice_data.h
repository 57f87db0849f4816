#pragma once

// The twelve single-choice picture windows: one table row per window. The
// windows and the picture generator both read this table, so the answer
// regions and the pictures under them can never disagree.

#include "tasks/common/task_square.h"
#include "tasks/common/twips_rect.h"

#include <array>

namespace zorna {

enum class WindowBackground { ButtonFace, Grey, AppWorkspace };

struct SingleChoiceRow {
    TaskSquare task; // the square it opens on, its window number, category and caption
    const char* instruction;
    double fontPoints;
    int clientWidth, clientHeight; // twips
    TwipsRect text;                // the instruction
    TwipsRect picture;             // the picture; regions are relative to it
    int regionCount;
    std::array<TwipsRect, 5> regions;
    std::array<int, 11> answers; // right region for pictures 1..11
    WindowBackground background;
};

inline constexpr int kSingleChoicePictures = 11;
inline constexpr int kCell = 1935;

inline constexpr std::array<SingleChoiceRow, 12> kSingleChoiceRows{{
    {{.square = 1, .windowNumber = 2, .category = 4, .caption = "Завдання №1"},
     "У лівому верхньому кутку знаходиться основний малюнок, виділений синьою рамкою. "
     "Підбери до зображеного на ньому предмета інший, який є його 'нерозлучним "
     "партнером'.",
     12,
     6495,
     5670,
     {120, 120, 6255, 1215},
     {120, 1440, 6210, 4095},
     5,
     {{{2040, 0, kCell, kCell},
       {4200, 0, kCell, kCell},
       {0, 2160, kCell, kCell},
       {2040, 2160, kCell, kCell},
       {4200, 2160, kCell, kCell}}},
     {5, 3, 5, 4, 4, 5, 2, 2, 5, 2, 1},
     WindowBackground::Grey},
    {{.square = 2, .windowNumber = 7, .category = 3, .caption = "Завдання №2"},
     "Яку коробку можна скласти із даної розгортки?",
     11.25,
     6420,
     5625,
     {120, 120, 6255, 1215},
     {120, 1440, 6210, 4095},
     4,
     {{{4200, 0, kCell, kCell},
       {0, 2160, kCell, kCell},
       {2040, 2160, kCell, kCell},
       {4200, 2160, kCell, kCell}}},
     {1, 2, 4, 3, 2, 4, 3, 3, 4, 3, 1},
     WindowBackground::ButtonFace},
    {{.square = 3, .windowNumber = 17, .category = 2, .caption = "Завдання №3"},
     "Який малюнок є точною копією основного?",
     11.25,
     6465,
     5565,
     {120, 0, 6255, 1215},
     {120, 1320, 6255, 4140},
     5,
     {{{2160, 0, kCell, kCell},
       {4200, 0, kCell, kCell},
       {0, 2160, kCell, kCell},
       {2160, 2160, kCell, kCell},
       {4200, 2160, kCell, kCell}}},
     {4, 2, 3, 2, 5, 2, 3, 4, 5, 2, 3},
     WindowBackground::ButtonFace},
    {{.square = 4, .windowNumber = 4, .category = 4, .caption = "Завдання №4"},
     "На кожній картинці намальовані п'ять об'єктів. З них один об'єкт - основний - "
     "обведений рамкою. Визнач, який з чотирьох об'єктів, розміщених поруч, є "
     "протилежним йому за своїм призначенням.",
     11.25,
     6345,
     5550,
     {0, 0, 6255, 1215},
     {0, 1320, 6210, 4095},
     5,
     {{{4200, 0, kCell, kCell},
       {4200, 2160, kCell, kCell},
       {2040, 2160, kCell, kCell},
       {0, 2160, kCell, kCell},
       {2040, 0, kCell, kCell}}},
     {3, 1, 1, 2, 1, 1, 2, 1, 2, 1, 2},
     WindowBackground::ButtonFace},
    {{.square = 8, .windowNumber = 3, .category = 4, .caption = "Завдання №8"},
     "Який із преставлених малюнків, що розташовуються в нижній частині завдання "
     "треба поставити замість знака питання?",
     12,
     6435,
     5640,
     {120, 120, 6255, 1215},
     {120, 1440, 6210, 3960},
     4,
     {{{0, 2040, 1335, 1935}, {1320, 2160, 1695, 1815}, {3000, 2160, 1695, 1935}, {4680, 2040, 1455, 1935}}},
     {3, 2, 4, 4, 3, 1, 3, 2, 3, 1, 1},
     WindowBackground::AppWorkspace},
    {{.square = 10, .windowNumber = 14, .category = 2, .caption = "Завдання №10"},
     "Знайди малюнок, у який не включено фігуру з червоного квадрату з тими ж розмірами і розміщенням",
     11.25,
     6375,
     5730,
     {0, 0, 6255, 1215},
     {0, 1320, 6180, 4110},
     5,
     {{{2160, 0, kCell, kCell},
       {4200, 0, kCell, kCell},
       {0, 2160, kCell, kCell},
       {2160, 2160, kCell, kCell},
       {4200, 2160, kCell, kCell}}},
     {5, 4, 4, 4, 3, 1, 4, 2, 5, 5, 4},
     WindowBackground::ButtonFace},
    {{.square = 11, .windowNumber = 12, .category = 4, .caption = "Завдання №11"},
     "З п’яти фігур нижнього ряду вибери ту, яка продовжує верхній ряд",
     12,
     6420,
     5685,
     {120, 120, 6255, 1215},
     {120, 1440, 6255, 4140},
     5,
     {{{0, 2160, 1095, 1935},
       {1320, 2160, 1095, 1935},
       {2520, 2160, 1215, 1935},
       {3840, 2160, 1095, 1935},
       {5040, 2160, 1095, 1935}}},
     {1, 2, 5, 3, 5, 4, 2, 4, 1, 2, 4},
     WindowBackground::ButtonFace},
    {{.square = 17, .windowNumber = 18, .category = 3, .caption = "Завдання №17"},
     "Який вигляд матиме серветка, якщо її розгорнути?",
     11.25,
     6450,
     5700,
     {120, 120, 6255, 1215},
     {120, 1440, 6300, 4155},
     5,
     {{{0, 0, kCell, kCell},
       {2160, 0, kCell, kCell},
       {0, 2160, kCell, kCell},
       {2160, 2160, kCell, kCell},
       {4320, 2160, kCell, kCell}}},
     {4, 5, 2, 1, 2, 5, 1, 5, 4, 1, 3},
     WindowBackground::ButtonFace},
    {{.square = 19, .windowNumber = 20, .category = 3, .caption = "Завдання №19"},
     "Рамкою обведено три силуети одного предмета (спереду, збоку та зверху). Знайди "
     "його серед чотирьох, зображених поруч",
     11.25,
     6450,
     5565,
     {120, 0, 6255, 1215},
     {120, 1320, 6405, 4260},
     4,
     {{{4320, 0, kCell, kCell},
       {120, 2280, kCell, kCell},
       {2160, 2160, kCell, kCell},
       {4320, 2160, kCell, kCell}}},
     {3, 4, 1, 1, 2, 4, 4, 1, 1, 4, 2},
     WindowBackground::ButtonFace},
    {{.square = 22, .windowNumber = 9, .category = 3, .caption = "Завдання №22"},
     "З якої розгортки можна скласти дану коробку?",
     11.25,
     6450,
     5640,
     {120, 120, 6255, 1215},
     {120, 1440, 6210, 4095},
     4,
     {{{4200, 0, kCell, kCell},
       {0, 2160, kCell, kCell},
       {2040, 2160, kCell, kCell},
       {4200, 2160, kCell, kCell}}},
     {2, 3, 4, 3, 3, 2, 4, 3, 1, 1, 2},
     WindowBackground::ButtonFace},
    {{.square = 27, .windowNumber = 15, .category = 2, .caption = "Завдання № 27"},
     "До якого з п’яти малюнків включено фігуру з червоного квадрату з тим же положенням і розмірами",
     11.25,
     6420,
     5565,
     {120, 0, 6255, 1215},
     {120, 1320, 6255, 4140},
     5,
     {{{2160, 0, kCell, kCell},
       {4200, 0, kCell, kCell},
       {0, 2160, kCell, kCell},
       {2160, 2160, kCell, kCell},
       {4200, 2160, kCell, kCell}}},
     {4, 5, 4, 3, 2, 1, 3, 2, 5, 1, 2},
     WindowBackground::ButtonFace},
    {{.square = 29, .windowNumber = 6, .category = 4, .caption = "Завдання №29"},
     "Три об'єкти, що обведені рамкою, підібрані за певною ознакою. Який із решти "
     "об'єктів доповнює дану групу за цією ж ознакою? ",
     11.25,
     6450,
     5700,
     {120, 120, 6255, 1215},
     {120, 1440, 6210, 4095},
     4,
     {{{4200, 0, kCell, kCell},
       {4200, 2160, kCell, kCell},
       {2040, 2160, kCell, kCell},
       {0, 2160, kCell, kCell}}},
     {3, 4, 1, 3, 1, 2, 2, 4, 3, 4, 1},
     WindowBackground::ButtonFace},
}};

// kletka4 shows either region 4 or region 5: region 5 for pictures 1, 2, 6 and
// 8, region 4 for the others. The right answer is always one of regions 1..3.
constexpr bool kletka4ShowsRegion5(int picture) {
    return picture == 1 || picture == 2 || picture == 6 || picture == 8;
}

// Whether region `index` (1..R) of a window is there for a picture.
constexpr bool regionVisible(const SingleChoiceRow& row, int index, int picture) {
    if (row.task.windowNumber != 4)
        return true;
    if (index == 4)
        return !kletka4ShowsRegion5(picture);
    if (index == 5)
        return kletka4ShowsRegion5(picture);
    return true;
}

inline const SingleChoiceRow* singleChoiceRow(int windowNumber) {
    return rowOfWindow(kSingleChoiceRows, windowNumber);
}

} // namespace zorna
