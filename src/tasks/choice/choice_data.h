#pragma once

// Data of the pair-choice, missing-detail, odd-one-out and question-file
// windows. The windows and the picture generator both read these tables, so
// the answers and the pictures drawn for them can never disagree.

#include "tasks/common/task_square.h"

#include <array>

namespace zorna::choice {

struct Twips {
    int left, top, width, height;
};

// kletka10 and kletka19: six regions in two rows of three, in reading order.
inline constexpr int kPairRegions = 6;
inline constexpr std::array<Twips, kPairRegions> kPairRegionTwips{{
    {0, 0, 1935, 1935},
    {2040, 0, 1935, 1935},
    {4200, 0, 1935, 1935},
    {0, 2160, 1935, 1935},
    {2040, 2160, 1935, 1935},
    {4200, 2160, 1935, 1935},
}};

struct RegionPair {
    int first, second;
};

struct PairChoiceRow {
    TaskSquare task;  // the square it opens on, its window number, category and caption
    int pictureCount; // K; the record keeps 11 slots either way
    const char* instruction;
    int clientWidth, clientHeight; // twips
    Twips text;                    // the instruction
    Twips picture;                 // the picture; regions are relative to it
    std::array<RegionPair, 11> answers;
};

inline constexpr std::array<PairChoiceRow, 2> kPairChoiceRows{{
    {{.square = 9, .windowNumber = 10, .category = 4, .caption = "Завдання №9"},
     9,
     "Пригадай назву кожного з представлених об’єктів. Вибери два об’єкти, з літер назви одного з яких можна "
     "скласти назву другого.",
     6465,
     5670,
     {120, 120, 6255, 1215},
     {120, 1440, 6210, 4095},
     {{{1, 5}, {2, 4}, {4, 6}, {2, 6}, {2, 4}, {3, 4}, {1, 3}, {1, 3}, {2, 6}, {0, 0}, {0, 0}}}},
    {{.square = 25, .windowNumber = 19, .category = 2, .caption = "Завдання №25"},
     11,
     "Знайди два однакових малюнка",
     6420,
     5565,
     {120, 0, 6255, 1215},
     {120, 1320, 6210, 4095},
     {{{2, 5}, {2, 4}, {2, 5}, {3, 5}, {1, 5}, {3, 4}, {2, 5}, {1, 3}, {1, 3}, {1, 5}, {1, 4}}}},
}};

inline const PairChoiceRow* pairChoiceRow(int windowNumber) {
    return rowOfWindow(kPairChoiceRows, windowNumber);
}

// kletka11: the missing detail.
inline constexpr int kDetailWindow = 11;
inline constexpr const char* kDetailInstruction = "Чого не вистачає на малюнку в рамці?";
inline constexpr std::array<int, 11> kDetailAnswers{2, 4, 4, 2, 3, 3, 5, 2, 4, 1, 6};
// Pictures "kletka11/<n>.jpg", each completed by candidate k in "kletka11/<n>/<k>.jpg".
inline constexpr int kDetailPictureCount = int(kDetailAnswers.size());
inline constexpr Twips kDetailPictureTwips{120, 1440, 6210, 4170};
// Five candidates (pictures 1..5).
inline constexpr std::array<Twips, 5> kDetailFiveTwips{{
    {0, 0, 1935, 1215},
    {0, 1440, 1935, 1215},
    {0, 2880, 1935, 1215},
    {2160, 2880, 1935, 1215},
    {4200, 2880, 1935, 1215},
}};
// Seven candidates (pictures 6..11).
inline constexpr std::array<Twips, 7> kDetailSevenTwips{{
    {0, 0, 1455, 975},
    {0, 1080, 1455, 855},
    {0, 2160, 1455, 855},
    {0, 3120, 1455, 975},
    {1560, 3120, 1455, 975},
    {3120, 3120, 1455, 975},
    {4680, 3120, 1455, 975},
}};
constexpr bool detailUsesSeven(int picture) {
    return picture >= 6;
}
constexpr int detailCandidates(int picture) {
    return detailUsesSeven(picture) ? 7 : 5;
}

// kletka5: the odd one out, answered with five number buttons.
inline constexpr int kOddWindow = 5;
inline constexpr const char* kOddInstruction =
    "Ви бачите п'ять різних об'єктів, з яких чотири належать до однієї групи за певною ознакою, і лише один "
    "до "
    "цієї групи не належить. Під яким номером зображений цей об'єкт?";
inline constexpr std::array<int, 11> kOddAnswers{4, 1, 5, 5, 1, 5, 3, 2, 5, 1, 4};
inline constexpr int kOddPictureCount = int(kOddAnswers.size());
inline constexpr Twips kOddPictureTwips{120, 1560, 6255, 4095};
// The number buttons' top-left corners; each is the size of its coin drawing
// (rules::drawings::kCoins).
struct TwipsCorner {
    int left, top;
};
inline constexpr std::array<TwipsCorner, 5> kOddButtonCorners{{
    {120, 5760},
    {1440, 5760},
    {2640, 5760},
    {3840, 5760},
    {5160, 5760},
}};

// kletka16: a click on the picture, tested against a rectangle per picture.
inline constexpr int kQuestionWindow = 16;
struct HitRect {
    int x1, y1, x2, y2; // pixels; a click is right strictly inside
    constexpr bool contains(double x, double y) const { return x1 < x && x < x2 && y1 < y && y < y2; }
};
inline constexpr std::array<HitRect, 11> kQuestionRects{{
    {320, 128, 401, 265},
    {8, 128, 89, 265},
    {320, 128, 401, 265},
    {152, 120, 225, 265},
    {8, 8, 65, 153},
    {344, 64, 401, 153},
    {336, 8, 369, 41},
    {56, 8, 97, 129},
    {216, 200, 281, 265},
    {56, 96, 73, 113},
    {64, 216, 89, 241},
}};
inline constexpr int kQuestionPictureCount = int(kQuestionRects.size());
inline constexpr int kQuestionRecord = 250; // bytes per question, Windows-1251
// The task picture fills the window above the question label.
inline constexpr int kQuestionPictureWidth = 416;
inline constexpr int kQuestionPictureHeight = 272;

} // namespace zorna::choice
