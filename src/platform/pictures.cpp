#include "platform/pictures.h"

#include "platform/run_cache.h"

#include <QDateTime>
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

namespace {

// A picture file read once: its pixmap stays in Qt's pixmap cache under its
// path, size, time of change and pixel ratio, as QPixmap(fileName) keeps it, so a window
// that shows the same picture again, or a tile many times, decodes it once.
QPixmap readPictureCached(const QString& path, qreal devicePixelRatio) {
    // Room for the pictures of several task windows (Qt's default holds 10 MB).
    static const bool roomMade = [] {
        QPixmapCache::setCacheLimit(qMax(QPixmapCache::cacheLimit(), 64 * 1024));
        return true;
    }();
    Q_UNUSED(roomMade);
    const QFileInfo info(path);
    if (!info.isFile())
        return QPixmap();
    const QString key = QStringLiteral("zorna-picture:%1:%2:%3:%4")
                            .arg(path)
                            .arg(info.size())
                            .arg(info.lastModified().toMSecsSinceEpoch())
                            .arg(devicePixelRatio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = readPicture(path);
    if (picture.isNull())
        return picture;
    picture.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    if (path.isEmpty())
        return QPixmap();
    if (devicePixelRatio > 1.0) {
        const QPixmap sharp = readPictureCached(hiDpiVariant(path), 2.0);
        if (!sharp.isNull())
            return sharp;
    }
    return readPictureCached(path, 1.0);
}

QPixmap loadPicture(const QString& path) {
    return loadPicture(path, qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap renderSvg(const QString& resource, QSize size, qreal devicePixelRatio) {
    const qreal ratio = qMax<qreal>(1.0, devicePixelRatio);
    struct SvgDrawings;
    return RunCache<QPixmap, SvgDrawings>::value(
        QStringLiteral("%1:%2x%3@%4").arg(resource).arg(size.width()).arg(size.height()).arg(ratio), [&] {
            QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QSvgRenderer renderer(resource);
            QPainter painter(&image);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
            painter.end();
            image.setDevicePixelRatio(ratio);
            return QPixmap::fromImage(image);
        });
}

QPixmap renderSvg(const QString& resource, QSize size) {
    return renderSvg(resource, size, qApp ? qApp->devicePixelRatio() : 1.0);
}

} // namespace zorna
