#include "memory/object_picture.h"

#include "common/emoji.h"
#include "common/picture_writer.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"

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

void writeObjectPictures(AssetWriter& w, int windowNumber, const QStringList& objects, int expected,
                         int cellTwips, QColor ground, const QString& sheetTitle) {
    if (objects.size() != expected)
        w.fail(QStringLiteral("kletka%1: %2 pictures instead of %3")
                   .arg(windowNumber)
                   .arg(objects.size())
                   .arg(expected));
    ContactSheet sheet(w, rules::taskFolder(windowNumber), sheetTitle);
    for (int m = 1; m <= objects.size(); ++m) {
        const QString file = rules::taskPicture(windowNumber, m);
        writePicture(
            w, file,
            [&](int scale) { return objectPicture(w, file, tw(cellTwips), objects[m - 1], ground, scale); },
            {.jpegQuality = 94, .sheet = &sheet, .caption = QString::number(m)});
    }
}

} // namespace zorna::assets
