#pragma once

// kletka23's pictures: walls of cube stacks, one depth each, and the
// colour of each picture's cubes.

#include "tasks/counting/cube_tables.h"

#include <QColor>
#include <QList>

#include <array>

namespace zorna::assets::kletka23 {

// A wall of stacks one cube deep, running to the front right (along x) or to
// the front left (along y): every cube shows a whole front face. Stacks never
// grow towards the front, so the top of every stack shows as well and no
// stack can be read as taller than it is.
struct Wall {
    bool alongX;
    QList<int> heights;
};

struct CountPicture {
    QList<Wall> walls;
    QColor colour;
};

inline const std::array<CountPicture, kCubePictures> kCountPictures{{
    {{{true, {2, 1, 1}}}, QColor(220, 70, 60)},
    {{{true, {2, 2, 1}}}, QColor(60, 130, 210)},
    {{{true, {3, 2, 1}}, {false, {2}}}, QColor(240, 170, 40)},
    {{{true, {4, 3, 2, 1}}}, QColor(90, 170, 80)},
    {{{true, {3, 3, 3}}, {false, {2, 1}}}, QColor(170, 90, 190)},
    {{{true, {5, 4, 3, 2, 1}}}, QColor(230, 120, 50)},
    {{{true, {2, 2, 1}}, {false, {3, 2}}}, QColor(50, 160, 170)},
    {{{false, {6, 5, 4, 3, 2, 1}}}, QColor(200, 60, 90)},
    {{{true, {3, 3, 3}}, {false, {2, 2, 2}}}, QColor(110, 120, 200)},
    {{{true, {5, 5, 5, 5, 5}}, {false, {4, 4, 4, 4, 4}}}, QColor(200, 150, 60)},
    {{{true, {6, 5, 4, 3, 2, 1}}, {false, {5, 5, 5, 4, 4}}}, QColor(80, 150, 90)},
}};

} // namespace zorna::assets::kletka23
