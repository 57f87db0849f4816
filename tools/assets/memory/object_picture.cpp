#include "memory/object_picture.h"

#include "common/emoji.h"
#include "common/picture_writer.h"

#include <QPainter>

namespace zorna::assets {

QImage objectPicture(AssetWriter& w, const QString& file, int size, const QString& emoji, QColor ground,
                     int scale) {
    ScaledPainting painting(QSize(size, size), scale, ground);
    QPainter& p = painting.painter();
    p.setPen(QPen(ground.darker(125), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, size - 2, size - 2));
    const double margin = size * 0.14;
    if (!drawEmoji(p, QRectF(margin, margin, size - 2 * margin, size - 2 * margin), emoji))
        w.fail(QStringLiteral("%1: the emoji font cannot draw %2").arg(file, emoji));
    return painting.finish();
}

} // namespace zorna::assets
