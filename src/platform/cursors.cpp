#include "platform/cursors.h"

#include "platform/pictures.h"
#include "platform/program_folder.h"
#include "platform/records.h"
#include "platform/run_cache.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

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

QCursor drawingCursor(const ProgramFolder& folder, const rules::DrawingCursor& cursor,
                      const QCursor& fallback) {
    const QString path = folder.path(rules::drawingPicture(cursor.drawing));
    const QPixmap picture = loadPicture(path, 1.0);
    if (picture.isNull())
        return fallback;
    // A cursor made from a pixmap computes its mask each time: each one is made
    // once per run and shared by every window that shows it.
    struct DrawingCursors;
    return RunCache<QCursor, DrawingCursors>::value(
        QStringLiteral("%1:%2:%3").arg(path).arg(cursor.hotX).arg(cursor.hotY),
        [&] { return QCursor(picture, cursor.hotX, cursor.hotY); });
}

} // namespace zorna
