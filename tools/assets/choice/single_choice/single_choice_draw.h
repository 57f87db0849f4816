#pragma once

// What every single-choice picture is drawn with: the picture's layout taken
// from the window table (picture box, main area, answer regions, in pixels),
// the job of drawing one picture, and a few shared drawing helpers.

#include "common/asset_writer.h"
#include "tasks/choice/single_choice_data.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace zorna::assets::sc {

struct Layout {
    QSize size; // the picture box
    QRect main; // the cells without a region
    int regionCount = 0;
    std::array<QRect, 5> regions; // answer regions 1..R (index 0..R-1)
    QRect region(int index) const { return regions[std::size_t(index - 1)]; }
};

Layout layoutOf(const SingleChoiceRow& row);

struct PictureJob {
    const SingleChoiceRow& row;
    int picture; // 1..11
    int answer;  // right region
    Layout layout;
    QPainter& p;
    AssetWriter& w;

    bool visible(int region) const { return regionVisible(row, region, picture); }
    std::uint64_t seed(int attempt = 0) const {
        return std::uint64_t(row.task.windowNumber) * 100003u + std::uint64_t(picture) * 1009u +
               std::uint64_t(attempt);
    }
    void fail(const QString& why) const;
    // Draws an object of the colour emoji font; the build fails when the font cannot draw it.
    void drawEmoji(const QRectF& box, const QString& emoji) const;
};

// A candidate's cell: light background and a thin border, the same for every candidate.
void drawCandidateCell(QPainter& p, const QRect& cell);
// The candidates in region order: the right one under the answer region and the
// wrong ones, in turn, under the others (the right one again where too few wrong
// ones are given, which the count of fitting candidates then shows).
template <class Candidate>
std::vector<Candidate> candidatesInRegionOrder(const PictureJob& job, const Candidate& right,
                                               const std::vector<Candidate>& wrong) {
    std::vector<Candidate> shown;
    std::size_t next = 0;
    for (int i = 1; i <= job.layout.regionCount; ++i)
        shown.push_back(i == job.answer || next >= wrong.size() ? right : wrong[next++]);
    return shown;
}

// Draws each candidate in its cell under its region: the cell, then the candidate
// by `draw(cell, candidate)`.
template <class Candidate, class DrawCandidate>
void drawCandidates(PictureJob& job, const std::vector<Candidate>& shown, DrawCandidate draw) {
    for (int i = 1; i <= job.layout.regionCount; ++i) {
        const QRect cell = job.layout.region(i);
        drawCandidateCell(job.p, cell);
        draw(cell, shown[std::size_t(i - 1)]);
    }
}

// Takes a wrong candidate unless `same` finds it equal to the right one or to one
// taken already.
template <class Candidate, class Same = std::equal_to<>>
void takeIfNew(std::vector<Candidate>& wrong, const Candidate& candidate, const Candidate& right,
               Same same = {}) {
    if (same(candidate, right))
        return;
    for (const Candidate& taken : wrong)
        if (same(candidate, taken))
            return;
    wrong.push_back(candidate);
}

// A frame around the main object.
void drawFrame(QPainter& p, const QRect& r, const QColor& colour, int width);

// Draws one picture of a window.
using Drawer = void (*)(PictureJob&);

// Writes the pictures of the single-choice window `windowNumber` of the window
// table: each drawer puts the main object in the cells without a region and one
// candidate under each region, the right one under the region of the table.
void writeSingleChoicePictures(AssetWriter& w, int windowNumber, Drawer drawer);

} // namespace zorna::assets::sc
