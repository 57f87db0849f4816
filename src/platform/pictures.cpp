#include "platform/pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace zorna {

QString hiDpiVariant(const QString& path) {
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const int dot = int(path.lastIndexOf(QLatin1Char('.')));
    const int end = dot > slash ? dot : int(path.size());
    const QString suffix = path.mid(end);
    return path.left(end) + QStringLiteral("@2x") +
           (suffix.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0 ? QStringLiteral(".png")
                                                                            : suffix);
}

QImage readImage(const QString& path) {
    QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix == "jpg")
        suffix = "jpeg";
    if (suffix == "bmp" || suffix == "png" || suffix == "jpeg" || suffix == "gif") {
        QImageReader reader(path, suffix);
        reader.setAutoDetectImageFormat(false);
        QImage image = reader.read();
        if (!image.isNull())
            return image;
    }
    return QImage(path);
}

QPixmap readPicture(const QString& path) {
    return QPixmap::fromImage(readImage(path));
}

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    if (path.isEmpty())
        return QPixmap();
    if (devicePixelRatio > 1.0) {
        const QString variant = hiDpiVariant(path);
        if (QFileInfo(variant).isFile()) {
            QPixmap sharp = readPicture(variant);
            if (!sharp.isNull()) {
                sharp.setDevicePixelRatio(2.0);
                return sharp;
            }
        }
    }
    return readPicture(path);
}

QPixmap loadPicture(const QString& path) {
    return loadPicture(path, qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap renderSvg(const QString& resource, QSize size, qreal devicePixelRatio) {
    const qreal ratio = qMax<qreal>(1.0, devicePixelRatio);
    const QString key =
        QStringLiteral("zorna-svg:%1:%2x%3@%4").arg(resource).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    image.setDevicePixelRatio(ratio);
    picture = QPixmap::fromImage(image);
    QPixmapCache::insert(key, picture);
    return picture;
}

QPixmap renderSvg(const QString& resource, QSize size) {
    return renderSvg(resource, size, qApp ? qApp->devicePixelRatio() : 1.0);
}

} // namespace zorna
