#include "platform/pictures.h"

#include "rules/picture_names.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPixmapCache>
#include <QSet>

#include <utility>

namespace zorna {

QString hiDpiVariant(const QString& path) {
    return rules::hiDpiName(path);
}

namespace {

// The image format of a picture file by its suffix, for the formats the
// program folder holds; empty for any other.
QByteArray formatOf(const QString& path) {
    QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix == "jpg")
        suffix = "jpeg";
    if (suffix == "bmp" || suffix == "png" || suffix == "jpeg" || suffix == "gif")
        return suffix;
    return QByteArray();
}

} // namespace

QImage readImage(const QString& path) {
    const QByteArray format = formatOf(path);
    if (!format.isEmpty()) {
        QImageReader reader(path, format);
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

// Where a picture comes from: the file read for a screen of that pixel ratio
// (its 2x source when there is one), and its key in Qt's pixmap cache: path,
// size, time of change and pixel ratio, as QPixmap(fileName) keeps its own.
struct PictureSource {
    QString file;
    qreal ratio = 1.0;
    QString key; // empty when there is no such file
};

PictureSource sourceOf(const QString& path, qreal devicePixelRatio) {
    if (path.isEmpty())
        return {};
    if (devicePixelRatio > 1.0) {
        const QString variant = hiDpiVariant(path);
        const QFileInfo info(variant);
        if (info.isFile())
            return {variant, 2.0,
                    QStringLiteral("zorna-picture:%1:%2:%3:2")
                        .arg(variant)
                        .arg(info.size())
                        .arg(info.lastModified().toMSecsSinceEpoch())};
    }
    const QFileInfo info(path);
    if (!info.isFile())
        return {path, 1.0, QString()};
    return {path, 1.0,
            QStringLiteral("zorna-picture:%1:%2:%3:1")
                .arg(path)
                .arg(info.size())
                .arg(info.lastModified().toMSecsSinceEpoch())};
}

void makeRoomForPictures() {
    // Room for the pictures of several task windows (Qt's default holds 10 MB).
    static const bool roomMade = [] {
        QPixmapCache::setCacheLimit(qMax(QPixmapCache::cacheLimit(), 64 * 1024));
        return true;
    }();
    Q_UNUSED(roomMade);
}

// The decoded picture made a pixmap and kept in the cache; null when unreadable.
QPixmap keep(const PictureSource& source, const QImage& image) {
    if (image.isNull())
        return QPixmap();
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(source.ratio);
    QPixmapCache::insert(source.key, picture);
    return picture;
}

// A picture a 2x source could not give is read from the picture itself.
QPixmap pictureOrFallback(const QString& path, const PictureSource& source, const QPixmap& read) {
    if (!read.isNull() || source.ratio == 1.0)
        return read;
    return loadPicture(path, 1.0);
}

// Qt loads an image format's plugin on its first use and keeps it, with the
// list of formats, in a process-wide loader. Loading it here, on the GUI
// thread, before a reader thread starts, leaves that thread only the decoding:
// it then changes nothing that the GUI thread reads.
void loadFormatOf(const QString& file) {
    static QSet<QByteArray> loaded;
    const QByteArray format = formatOf(file);
    if (format.isEmpty() || loaded.contains(format))
        return;
    QBuffer nothing;
    nothing.open(QIODevice::ReadOnly);
    QImageReader(&nothing, format).canRead();
    loaded.insert(format);
}

} // namespace

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    makeRoomForPictures();
    const PictureSource source = sourceOf(path, devicePixelRatio);
    if (source.key.isEmpty())
        return QPixmap();
    QPixmap picture;
    if (QPixmapCache::find(source.key, &picture))
        return picture;
    return pictureOrFallback(path, source, keep(source, readImage(source.file)));
}

QList<QPixmap> loadPictures(const QStringList& paths, qreal devicePixelRatio) {
    QList<QPixmap> pictures;
    pictures.reserve(paths.size());
    for (const QString& path : paths)
        pictures.append(loadPicture(path, devicePixelRatio));
    return pictures;
}

QList<QPixmap> loadPictures(const QStringList& paths) {
    return loadPictures(paths, qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap loadPicture(const QString& path) {
    return loadPicture(path, qApp ? qApp->devicePixelRatio() : 1.0);
}

PictureReadAhead::PictureReadAhead(const QString& path, qreal devicePixelRatio) : path_(path) {
    makeRoomForPictures();
    const PictureSource source = sourceOf(path, devicePixelRatio);
    file_ = source.file;
    fileRatio_ = source.ratio;
    cacheKey_ = source.key;
    if (cacheKey_.isEmpty() || QPixmapCache::find(cacheKey_, &picture_))
        return;
    // The reader only decodes; the pixmap is made and cached on the GUI thread.
    loadFormatOf(file_);
    reader_ = std::thread([this] { image_ = readImage(file_); });
}

PictureReadAhead::~PictureReadAhead() {
    if (reader_.joinable())
        reader_.join();
}

QPixmap PictureReadAhead::take() {
    if (!reader_.joinable())
        return picture_;
    reader_.join();
    const PictureSource source{file_, fileRatio_, cacheKey_};
    picture_ = pictureOrFallback(path_, source, keep(source, std::exchange(image_, QImage())));
    return picture_;
}

QIcon windowIcon(const ProgramFolder& folder) {
    // Read as PNG (readPicture): left to guess, the reader loads every image plugin first.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        const QPixmap image = readPicture(folder.path(QStringLiteral("icons/%1.png").arg(size)));
        if (!image.isNull())
            icon.addPixmap(image);
    }
    return icon;
}

QPixmap loadDrawing(const ProgramFolder& folder, const rules::Drawing& drawing, qreal devicePixelRatio) {
    return loadPicture(folder.path(rules::drawingPicture(drawing)), devicePixelRatio);
}

QPixmap loadDrawing(const ProgramFolder& folder, const rules::Drawing& drawing) {
    return loadPicture(folder.path(rules::drawingPicture(drawing)));
}

} // namespace zorna
