#include "platform/pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace zorna {

QPixmap readPicture(const QString& path) {
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix == "bmp" || suffix == "png") {
        QImageReader reader(path, suffix);
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            return QPixmap::fromImage(image);
    }
    return QPixmap(path);
}

QPixmap svgPicture(const QString& resource, QSize size) {
    const QString key =
        QStringLiteral("zorna-svg:%1:%2x%3").arg(resource).arg(size.width()).arg(size.height());
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    picture = QPixmap::fromImage(image);
    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace zorna
