#pragma once

// What the help page's picture of the board window shows: the window's layout,
// the controls of the button strip and the numbered marks of the legend.
// help_page.cpp draws them.

#include <QColor>
#include <QPoint>

namespace zorna::assets::help_page_data {

// The board window as the program lays it out, in pixels of the picture.
inline constexpr int kWidth = 785;
inline constexpr int kTitleHeight = 22;
inline constexpr int kMenuHeight = 20;
inline constexpr int kClientTop = kTitleHeight + kMenuHeight;
inline constexpr int kClientHeight = 258;
inline constexpr int kLegendHeight = 30;
inline constexpr int kHeight = kClientTop + kClientHeight + kLegendHeight;
inline constexpr int kButtonTop = 224;
inline constexpr int kButtonHeight = 25;

// One control of the button strip: its place (client x, width), colour and caption.
struct StripControl {
    int left;
    int width;
    QColor colour;
    const char* caption;
    bool bold;
    QColor text;
};

inline const StripControl kStrip[] = {
    {8, 57, QColor(128, 255, 255), "Старт", false, QColor(128, 128, 128)},
    {80, 209, QColor(0, 192, 192), "Оля", true, Qt::black},
    {296, 57, QColor(0, 192, 0), "Далі", false, Qt::black},
    {680, 25, QColor(224, 224, 224), "", false, Qt::black},
    {712, 65, QColor(255, 128, 255), "Вихід", false, Qt::black},
};

// Numbered marks of the picture, in the order of the page's legend: the
// point (in picture pixels) each one stands at.
inline const QPoint kMarks[] = {
    {36, kClientTop + kClientHeight + 15},  // 1 Старт
    {184, kClientTop + kClientHeight + 15}, // 2 turn indicator
    {324, kClientTop + kClientHeight + 15}, // 3 Далі
    {692, kClientTop + kClientHeight + 15}, // 4 save
    {744, kClientTop + kClientHeight + 15}, // 5 Вихід
    {262, kTitleHeight + 10},               // 6 menu
    {712, kClientTop + 60},                 // 7 ladder
    {78, kClientTop + 147},                 // 8 plank
    {722, kClientTop + 195},                // 9 finish
};

} // namespace zorna::assets::help_page_data
