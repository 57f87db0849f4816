#pragma once

// What the film stories of kletka8 and kletka13 are drawn with: the frame's
// size, a sky or a room behind, an outline pen, and the writing of a window's
// stories, four frames each.

#include "common/asset_writer.h"
#include "platform/geometry.h"
#include "tasks/counting/film_tables.h"

#include <QColor>
#include <QPainter>

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace zorna::assets::film {

inline constexpr int kW = tw(kFilmFrameWidthTwips);
inline constexpr int kH = tw(kFilmFrameHeightTwips);

using Draw = std::function<void(QPainter&, int t)>; // t = 0..3, the story's frame

struct Story {
    const char* name;
    Draw draw;
};

void sky(QPainter& p, QColor top = QColor(170, 215, 250), QColor ground = QColor(120, 190, 90),
         int horizon = 82);

void room(QPainter& p, QColor wall = QColor(250, 236, 210), QColor table = QColor(170, 120, 80));

void outlinePen(QPainter& p, double width = 1.5);

// Writes the frames "kletkaN/<story>/<frame>.jpg" of the window's stories, in
// story order, and the window's contact sheet.
void writeFilmStories(AssetWriter& w, int windowNumber, const std::vector<Story>& stories);

// The same from the stories' names and their drawings, both in picture order.
template <std::size_t N, std::size_t M>
void writeFilmStories(AssetWriter& w, int windowNumber, const std::array<const char*, N>& names,
                      const Draw (&drawers)[M]) {
    static_assert(N == M, "every story has a name and a drawing");
    std::vector<Story> stories;
    for (std::size_t i = 0; i < N; ++i)
        stories.push_back({names[i], drawers[i]});
    writeFilmStories(w, windowNumber, stories);
}

} // namespace zorna::assets::film
