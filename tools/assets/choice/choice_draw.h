#pragma once

// Drawing helpers of the pair-choice, missing-detail, odd-one-out and
// question-file pictures.

#include "common/asset_writer.h"
#include "common/picture_writer.h"
#include "tasks/choice/choice_data.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

namespace zorna::assets::choice {

// A small deterministic generator, so every build draws the same pictures.
class Seeded {
public:
    explicit Seeded(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // 0..n-1
    int below(int n) { return int(next() % std::uint32_t(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    double unit() { return double(next() % 1000000u) / 1000000.0; }

private:
    std::uint32_t state_;
};

// A bold Liberation Sans digit or short text centred in a box.
void drawLabel(QPainter& p, const QString& text, const QRect& box, int pixelSize, const QColor& colour);

// A white picture of the given size with antialiased painting ready.
QImage canvas(int width, int height, const QColor& fill = Qt::white);

// Picture-box sizes of the windows, in pixels (twips / 15).
QSize boxSize(int widthTwips, int heightTwips);
QRect boxRect(int left, int top, int width, int height);

// The pair-choice windows (kletka10, kletka19): answer region 1..6 relative
// to the picture, its cell, and a picture with the pair outlined in red.
QRect pairRegionRect(int index);
void drawPairCell(QPainter& p, const QRect& cell);
QImage outlinePair(QImage image, int a, int b);
// A pair-choice picture at a scale: the cells of the answer regions on the
// window's background, each filled by `drawCell(p, region, cell)`.
QImage paintPairCells(const QSize& size, int scale, const QColor& background,
                      const std::function<void(QPainter&, int region, const QRect& cell)>& drawCell);
// Calls `check(i, j, isPair)` for every two answer regions i < j; isPair when
// they are the regions `first` and `second` of the picture's pair.
void forEveryTwoRegions(int first, int second, const std::function<void(int i, int j, bool isPair)>& check);

// A pair-choice window (kletka10, kletka19): its row of the window table, the
// size of its pictures, and the writing of picture n with its contact-sheet
// copy, on which the pair of the answer table is outlined in red.
class PairChoiceWindow {
public:
    PairChoiceWindow(AssetWriter& w, int windowNumber);

    const zorna::choice::PairChoiceRow& row() const { return row_; }
    QSize size() const { return size_; }
    QImage write(int n, const DrawPicture& draw, const QString& caption, int jpegQuality = 92);

private:
    AssetWriter& w_;
    int windowNumber_;
    const zorna::choice::PairChoiceRow& row_;
    QSize size_;
    ContactSheet sheet_;
};

// Mean absolute difference of two equally sized images, per channel 0..255.
double imageDifference(const QImage& a, const QImage& b);

} // namespace zorna::assets::choice
