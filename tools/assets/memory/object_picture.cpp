#include "memory/object_picture.h"

#include "common/emoji.h"

#include <QPainter>

namespace zorna::assets {

QImage objectPicture(AssetWriter& w, const QString& file, int size, const QString& emoji, QColor ground,
                     int scale) {
    QImage image(size * scale, size * scale, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(ground.darker(125), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, size - 2, size - 2));
    const double margin = size * 0.14;
    if (!drawEmoji(p, QRectF(margin, margin, size - 2 * margin, size - 2 * margin), emoji))
        w.fail(QStringLiteral("%1: the emoji font cannot draw %2").arg(file, emoji));
    p.end();
    return image;
}

} // namespace zorna::assets
