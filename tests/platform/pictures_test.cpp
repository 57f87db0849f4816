#include "platform/cursors.h"
#include "platform/pictures.h"
#include "support/test_context.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QTest>

using namespace zorna;

namespace {

// count pictures 1.suffix, 2.suffix, ... in the folder, the first of the size
// given and each next one a pixel wider, in colours round the hue circle.
QStringList writePictures(const QTemporaryDir& dir, int count, QSize first, const char* suffix) {
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        QImage image(first + QSize(i, 0), QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 30 % 360, 255, 255));
        paths.append(dir.filePath(QStringLiteral("%1.%2").arg(i + 1).arg(QLatin1String(suffix))));
        if (!image.save(paths.last(), nullptr, 100))
            qFatal("cannot write %s", qPrintable(paths.last()));
    }
    return paths;
}

} // namespace

// readPicture gives the pixels Qt's usual loading gives, whatever the file holds.
class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void sameAsUsualLoading_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bmp") << QStringLiteral("open.bmp") << QByteArray("BMP");
        QTest::newRow("png") << QStringLiteral("map.png") << QByteArray("PNG");
        QTest::newRow("upper-case suffix") << QStringLiteral("NEW.BMP") << QByteArray("BMP");
        QTest::newRow("jpeg") << QStringLiteral("1.jpg") << QByteArray("JPEG");
        // A name that does not tell the truth about the file still loads.
        QTest::newRow("png named bmp") << QStringLiteral("wrong.bmp") << QByteArray("PNG");
    }
    void sameAsUsualLoading() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QImage image(23, 17, QImage::Format_RGB32);
        image.fill(QColor(10, 200, 30));
        QPainter(&image).fillRect(3, 4, 9, 5, QColor(250, 0, 120));
        const QString path = dir.filePath(name);
        QVERIFY(image.save(path, format.constData()));

        const QPixmap read = readPicture(path);
        QVERIFY(!read.isNull());
        QCOMPARE(read.toImage().convertToFormat(QImage::Format_RGB32),
                 QPixmap(path).toImage().convertToFormat(QImage::Format_RGB32));
    }

    // A cursor of a drawing has the drawing's 1x picture and its hot spot, on
    // screens of any density, and is made once; without its picture the
    // cursor given for that case stands in.
    void drawingCursors() {
        const test::TestProgramFolder shared;
        const ProgramFolder folder(shared.root());
        const rules::DrawingCursor& aim = rules::drawings::kAim;
        const QCursor cursor = drawingCursor(folder, aim);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(aim.hotX, aim.hotY));
        QCOMPARE(cursor.pixmap().size(), aim.drawing.size());
        QCOMPARE(cursor.pixmap().devicePixelRatio(), 1.0);
        QCOMPARE(cursor.pixmap().toImage(), loadDrawing(folder, aim.drawing, 1.0).toImage());
        QCOMPARE(drawingCursor(folder, aim).pixmap().cacheKey(), cursor.pixmap().cacheKey());

        QTemporaryDir empty;
        const QCursor fallback = drawingCursor(ProgramFolder(empty.path()), aim, QCursor(Qt::CrossCursor));
        QCOMPARE(fallback.shape(), Qt::CrossCursor);
        QVERIFY(loadDrawing(ProgramFolder(empty.path()), aim.drawing, 2.0).isNull());
    }

    // A picture shown again is not decoded again; a file changed in between is
    // read anew.
    void picturesAreDecodedOnceUntilTheirFileChanges() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kletka2/1.jpg"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("kletka2"))));
        QImage red(30, 20, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(path, "JPEG", 100));

        const QPixmap first = loadPicture(path, 1.0);
        QCOMPARE(loadPicture(path, 1.0).cacheKey(), first.cacheKey());

        QImage blue(31, 20, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(path, "JPEG", 100));
        const QPixmap changed = loadPicture(path, 1.0);
        QVERIFY(changed.cacheKey() != first.cacheKey());
        QCOMPARE(changed.size(), QSize(31, 20));
        QVERIFY(changed.toImage().pixelColor(5, 5).blue() > 200);

        QVERIFY(QFile::remove(path));
        QVERIFY(loadPicture(path, 1.0).isNull());
    }

    // Pictures loaded together come back in their order, each as loaded alone;
    // a missing file gives a null picture, a cached one is taken from the cache.
    void picturesLoadedTogetherMatchThoseLoadedAlone() {
        QTemporaryDir dir;
        QStringList paths = writePictures(dir, 12, QSize(20, 10), "jpg");
        paths.insert(5, dir.filePath(QStringLiteral("none.jpg")));
        const QPixmap cached = loadPicture(paths.at(0), 1.0);
        const QList<QPixmap> together = loadPictures(paths, 1.0);
        QCOMPARE(together.size(), paths.size());
        QCOMPARE(together.at(0).cacheKey(), cached.cacheKey());
        QVERIFY(together.at(5).isNull());
        for (int i = 0; i < paths.size(); ++i) {
            if (i == 5)
                continue;
            QCOMPARE(together.at(i).size(), QSize(20 + (i < 5 ? i : i - 1), 10));
            QCOMPARE(together.at(i).toImage(),
                     readImage(paths.at(i)).convertToFormat(together.at(i).toImage().format()));
            QCOMPARE(loadPicture(paths.at(i), 1.0).cacheKey(), together.at(i).cacheKey());
        }
    }

    // A picture read ahead is the one loadPicture gives, decoded once and
    // cached; its 2x source is read for a dense screen; one dropped before it
    // is taken waits for its reader; a missing file gives a null picture.
    void pictureReadAheadMatchesTheOneLoaded() {
        QPixmapCache::clear();
        QTemporaryDir dir;
        const QStringList paths = writePictures(dir, 3, QSize(30, 20), "png");
        QImage dense(60, 40, QImage::Format_RGB32);
        dense.fill(Qt::magenta);
        QVERIFY(dense.save(hiDpiVariant(paths.at(1))));
        { PictureReadAhead dropped(paths.at(2), 1.0); }

        PictureReadAhead ahead(paths.at(0), 1.0);
        PictureReadAhead missing(dir.filePath(QStringLiteral("none.png")), 1.0);
        PictureReadAhead denseAhead(paths.at(1), 2.0);
        const QPixmap taken = ahead.take();
        QCOMPARE(ahead.take().cacheKey(), taken.cacheKey());
        QCOMPARE(taken.toImage().convertToFormat(QImage::Format_RGB32), readImage(paths.at(0)));
        QCOMPARE(loadPicture(paths.at(0), 1.0).cacheKey(), taken.cacheKey());
        QCOMPARE(PictureReadAhead(paths.at(0), 1.0).take().cacheKey(), taken.cacheKey());
        QVERIFY(missing.take().isNull());
        const QPixmap sharp = denseAhead.take();
        QCOMPARE(sharp.size(), QSize(60, 40));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(loadPicture(paths.at(1), 2.0).cacheKey(), sharp.cacheKey());
    }

    void missingFileGivesNoPicture() {
        QTemporaryDir dir;
        QVERIFY(readPicture(dir.filePath(QStringLiteral("none.bmp"))).isNull());
    }
};
ZORNA_TEST_CLASS(PicturesTest)

#include "pictures_test.moc"
