#include "platform/pictures.h"

#include <QFileInfo>
#include <QImageReader>

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

} // namespace zorna
