#include "platform/pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace zorna {

QString hiDpiVariant(const QString& path) {
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const int dot = int(path.lastIndexOf(QLatin1Char('.')));
    const int end = dot > slash ? dot : int(path.size());
    return path.left(end) + QStringLiteral("@2x") + path.mid(end);
}

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    if (path.isEmpty())
        return QPixmap();
    if (devicePixelRatio > 1.0) {
        const QString variant = hiDpiVariant(path);
        if (QFileInfo(variant).isFile()) {
            QPixmap sharp(variant);
            if (!sharp.isNull()) {
                sharp.setDevicePixelRatio(2.0);
                return sharp;
            }
        }
    }
    return QPixmap(path);
}

QPixmap loadPicture(const QString& path) {
    return loadPicture(path, qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap renderSvg(const QString& resource, QSize size, qreal devicePixelRatio) {
    const qreal ratio = qMax<qreal>(1.0, devicePixelRatio);
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

QPixmap renderSvg(const QString& resource, QSize size) {
    return renderSvg(resource, size, qApp ? qApp->devicePixelRatio() : 1.0);
}

} // namespace zorna
