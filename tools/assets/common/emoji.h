#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace zorna::assets {

// One emoji of the Noto Color Emoji font, cropped to its drawn pixels.
// A null image when the font cannot draw it.
QImage emojiImage(const QString& emoji);
// Draws an emoji as large as fits into the box, centred, keeping its shape.
// Returns false when the font cannot draw it.
bool drawEmoji(QPainter& painter, const QRectF& box, const QString& emoji);

} // namespace zorna::assets
