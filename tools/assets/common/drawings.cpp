// The drawings stored with the windows as SVG (resources/, compiled into the
// generator): each drawn at the size its window shows it and at twice that
// size, on a transparent ground, so that the game needs no SVG renderer.
#include "rules/drawings.h"
#include "common/picture_writer.h"
#include "generators.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zorna::assets {

namespace {

// The SVG drawn to cover size x scale pixels, as the windows once drew it.
QImage drawSvg(QSvgRenderer& renderer, QSize size, int scale) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    return image;
}

} // namespace

void generateDrawings(AssetWriter& w) {
    ContactSheet sheet(w, QStringLiteral("drawings"), QStringLiteral("Малюнки вікон (SVG)"));
    for (const rules::Drawing& drawing : rules::drawings::kAll) {
        const QString source = QStringLiteral(":/") + QLatin1String(drawing.source);
        QSvgRenderer renderer(source);
        if (!renderer.isValid()) {
            w.fail(QStringLiteral("cannot read the drawing %1").arg(source));
            continue;
        }
        writePicture(w, rules::drawingPicture(drawing),
                     [&](int scale) { return drawSvg(renderer, drawing.size(), scale); },
                     {.sheet = &sheet, .caption = QLatin1String(drawing.name)});
    }
}

} // namespace zorna::assets
