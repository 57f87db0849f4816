#pragma once

// Objects from the colour emoji font (Noto Color Emoji): the one way the
// generator's pictures draw them.

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace zorna::assets {

// One emoji cropped to its drawn pixels; a null image when the emoji font
// has no such glyph (Qt would draw it from another font).
QImage emojiImage(const QString& emoji);
// Draws an emoji as large as fits into the box, centred, keeping its shape;
// the painter's scale is drawn at the device's pixels. Returns false when the
// font cannot draw it.
bool drawEmoji(QPainter& painter, const QRectF& box, const QString& emoji);
// Draws an emoji as text of the font at `pixelSize`, centred at a point: the
// glyph keeps the font's own margin, so emoji of one size line up as letters do.
void drawEmojiText(QPainter& painter, const QString& emoji, const QPointF& centre, int pixelSize);

} // namespace zorna::assets
