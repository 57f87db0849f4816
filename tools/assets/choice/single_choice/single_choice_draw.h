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
        return std::uint64_t(row.windowNumber) * 100003u + std::uint64_t(picture) * 1009u +
               std::uint64_t(attempt);
    }
    void fail(const QString& why) const;
    // Draws an object of the colour emoji font; the build fails when the font cannot draw it.
    void drawEmoji(const QRectF& box, const QString& emoji) const;
};

// A candidate's cell: light background and a thin border, the same for every candidate.
void drawCandidateCell(QPainter& p, const QRect& cell);
// A frame around the main object.
void drawFrame(QPainter& p, const QRect& r, const QColor& colour, int width);

// The shape drawers each window's builder uses (one per window).
void drawPartners(PictureJob& job);      // Kletka2
void drawCubeNetToBox(PictureJob& job);  // kletka7
void drawExactCopy(PictureJob& job);     // kletka17
void drawOpposites(PictureJob& job);     // kletka4
void drawMissingInRow(PictureJob& job);  // kletka3
void drawFigureMissing(PictureJob& job); // kletka14
void drawRowContinues(PictureJob& job);  // kletka12
void drawNapkin(PictureJob& job);        // kletka18
void drawThreeViews(PictureJob& job);    // kletka20
void drawBoxToCubeNet(PictureJob& job);  // kletka9
void drawFigureFound(PictureJob& job);   // kletka15
void drawSharedFeature(PictureJob& job); // kletka6

} // namespace zorna::assets::sc
