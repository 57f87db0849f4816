#include "platform/cursors.h"

#include "platform/pictures.h"
#include "platform/program_folder.h"
#include "platform/records.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace zorna {

QCursor loadCursorFile(const QString& path, const QCursor& fallback) {
    const auto bytes = readProgramFile(path);
    if (!bytes || bytes->size() < 22)
        return fallback;
    RecordReader header(*bytes);
    header.skip(10);
    const int hotX = header.int16();
    const int hotY = header.int16();

    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "cur");
    QImage image = reader.read();
    if (image.isNull()) {
        buffer.seek(0);
        QImageReader ico(&buffer, "ico");
        image = ico.read();
    }
    if (image.isNull())
        return fallback;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

QCursor pictureCursor(const QString& resource, int size, int hotX, int hotY) {
    return QCursor(renderSvg(resource, QSize(size, size), 1.0), hotX, hotY);
}

} // namespace zorna
