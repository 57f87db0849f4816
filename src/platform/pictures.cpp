#include "platform/pictures.h"

#include "platform/run_cache.h"
#include "rules/picture_names.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSemaphore>
#include <QSvgRenderer>
#include <QThreadPool>

#include <atomic>
#include <utility>
#include <vector>

namespace zorna {

QString hiDpiVariant(const QString& path) {
    return rules::hiDpiName(path);
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

// Files decoded side by side: the pool's threads and the thread that waits
// for them each take the next file nobody has taken, until none is left. The
// waiting thread waits only for files others have taken, never for a pool
// thread that starts late (it finds nothing left and ends), and the batch
// lives as long as any thread still holds it.
class DecodeBatch {
public:
    explicit DecodeBatch(QStringList files) : files_(std::move(files)), images_(size_t(files_.size())) {}

    // Starts up to helpers pool threads on the batch, as many as are free.
    static void startHelpers(const std::shared_ptr<DecodeBatch>& batch, int helpers) {
        QThreadPool& pool = *QThreadPool::globalInstance();
        for (int i = 0; i < qMin(helpers, pool.maxThreadCount()); ++i)
            if (!pool.tryStart([batch] { batch->decodeRest(); }))
                break;
    }

    // On the waiting thread, once: decodes what is left, waits for the rest.
    std::vector<QImage>& images() {
        decodeRest();
        decoded_.acquire(int(files_.size()));
        return images_;
    }

private:
    void decodeRest() {
        for (int k = next_++; k < files_.size(); k = next_++) {
            images_[size_t(k)] = readImage(files_.at(k)); // slot k has this one writer
            decoded_.release();
        }
    }

    const QStringList files_;
    std::vector<QImage> images_;
    std::atomic<int> next_{0};
    QSemaphore decoded_;
};

} // namespace

QList<QPixmap> loadPictures(const QStringList& paths, qreal devicePixelRatio) {
    makeRoomForPictures();
    QList<QPixmap> pictures(paths.size());
    QList<PictureSource> sources(paths.size());
    QList<int> missing;
    QStringList files;
    for (int i = 0; i < paths.size(); ++i) {
        sources[i] = sourceOf(paths.at(i), devicePixelRatio);
        if (!sources[i].key.isEmpty() && !QPixmapCache::find(sources[i].key, &pictures[i])) {
            missing.append(i);
            files.append(sources[i].file);
        }
    }
    if (missing.isEmpty())
        return pictures;
    const auto batch = std::make_shared<DecodeBatch>(files);
    DecodeBatch::startHelpers(batch, int(missing.size()) - 1);
    const std::vector<QImage>& images = batch->images();
    for (int k = 0; k < missing.size(); ++k) {
        const int i = missing.at(k);
        pictures[i] =
            pictureOrFallback(paths.at(i), sources.at(i), keep(sources.at(i), images.at(size_t(k))));
    }
    return pictures;
}

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    // One file: read on this thread, as the batch reads its last one.
    return loadPictures(QStringList{path}, devicePixelRatio).constFirst();
}

QList<QPixmap> loadPictures(const QStringList& paths) {
    return loadPictures(paths, qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap loadPicture(const QString& path) {
    return loadPicture(path, qApp ? qApp->devicePixelRatio() : 1.0);
}

struct PendingPicture::State {
    State(QString picture, PictureSource from)
        : path(std::move(picture)), source(std::move(from)), batch(QStringList{source.file}) {}
    const QString path;
    const PictureSource source;
    DecodeBatch batch;
};

PendingPicture::PendingPicture(const QString& path, qreal devicePixelRatio) {
    makeRoomForPictures();
    PictureSource source = sourceOf(path, devicePixelRatio);
    // A missing file, or one in the cache, is not pending at all.
    if (source.key.isEmpty() || QPixmapCache::find(source.key, &picture_))
        return;
    state_ = std::make_shared<State>(path, std::move(source));
    DecodeBatch::startHelpers(std::shared_ptr<DecodeBatch>(state_, &state_->batch), 1);
}

const QPixmap& PendingPicture::pixmap() const {
    if (!state_)
        return picture_;
    const std::shared_ptr<State> state = std::exchange(state_, nullptr);
    picture_ =
        pictureOrFallback(state->path, state->source, keep(state->source, state->batch.images().front()));
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
