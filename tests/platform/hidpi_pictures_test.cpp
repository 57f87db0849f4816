#include "platform/pictures.h"
#include "rules/drawings.h"
#include "support/test_context.h"
#include "support/test_registry.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace zorna;

// Pictures for screens of double density: a picture's double-size source is
// taken when the screen asks for it, and the generated program folder has one
// beside every picture. Run once at scale 1 and once with QT_SCALE_FACTOR=2.
class HiDpiPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void hiDpiPicturesComeFromTheirDoubleSizeSource() {
        QTemporaryDir dir;
        QImage small(10, 8, QImage::Format_RGB32);
        small.fill(Qt::red);
        QImage large(20, 16, QImage::Format_RGB32);
        large.fill(Qt::blue);
        QVERIFY(small.save(dir.filePath("pic.png")));
        QVERIFY(large.save(dir.filePath("pic@2x.png")));
        QVERIFY(small.save(dir.filePath("alone.jpg")));
        QCOMPARE(hiDpiVariant(QStringLiteral("/p/kletka2/1.jpg")), QStringLiteral("/p/kletka2/1@2x.jpg"));
        QCOMPARE(hiDpiVariant(QStringLiteral("/p.d/map")), QStringLiteral("/p.d/map@2x"));
        QCOMPARE(hiDpiVariant(QStringLiteral("/p/kletka24/3_1.bmp")),
                 QStringLiteral("/p/kletka24/3_1@2x.png"));
        QCOMPARE(hiDpiVariant(QStringLiteral("/p/open.BMP")), QStringLiteral("/p/open@2x.png"));

        const QPixmap one = loadPicture(dir.filePath("pic.png"), 1.0);
        QCOMPARE(one.size(), QSize(10, 8));
        QCOMPARE(one.toImage().pixelColor(0, 0), QColor(Qt::red));

        const QPixmap two = loadPicture(dir.filePath("pic.png"), 2.0);
        QCOMPARE(two.size(), QSize(20, 16));
        QCOMPARE(two.devicePixelRatio(), 2.0);
        QCOMPARE(two.deviceIndependentSize(), QSizeF(10, 8));
        QCOMPARE(two.toImage().pixelColor(0, 0), QColor(Qt::blue));

        // A BMP picture's double-size source is a PNG.
        QVERIFY(small.save(dir.filePath("scene.bmp")));
        QVERIFY(large.save(dir.filePath("scene@2x.png")));
        const QPixmap scene = loadPicture(dir.filePath("scene.bmp"), 2.0);
        QCOMPARE(scene.size(), QSize(20, 16));
        QCOMPARE(scene.deviceIndependentSize(), QSizeF(10, 8));
        QCOMPARE(scene.toImage().pixelColor(0, 0), QColor(Qt::blue));

        // Without a double-size source the picture itself is used.
        const QPixmap fallback = loadPicture(dir.filePath("alone.jpg"), 2.0);
        QCOMPARE(fallback.size(), QSize(10, 8));
        QCOMPARE(fallback.devicePixelRatio(), 1.0);
        QVERIFY(loadPicture(QString(), 2.0).isNull());
    }

    // The generated pictures that have double-size sources keep their names
    // and sizes, and the sources are exactly twice as large.
    void generatedDoubleSizeSources_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("map") << "map.png";
        QTest::newRow("chip") << "guk23.gif";
        QTest::newRow("single-choice picture") << "kletka2/5.jpg";
        QTest::newRow("single-choice picture of another window") << "kletka20/11.jpg";
        QTest::newRow("missing-detail task picture") << "kletka11/7.jpg";
        QTest::newRow("missing-detail completed picture") << "kletka11/2/3.jpg";
    }
    void generatedDoubleSizeSources() {
        QFETCH(QString, name);
        const QString path = QStringLiteral(ZORNA_APP_DIR "/") + name;
        const QImage picture(path);
        const QImage source(hiDpiVariant(path));
        QVERIFY2(!picture.isNull() && !source.isNull(), qPrintable(name));
        QCOMPARE(source.size(), picture.size() * 2);
    }

    // Every drawing of the windows is in the program folder at its window size,
    // and at twice that size for a screen of double density; neither is blank.
    void drawingsAtBothDensities_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        for (const rules::Drawing& drawing : rules::drawings::kAll)
            for (const qreal ratio : {1.0, 2.0})
                QTest::addRow("%s@%gx", drawing.name, ratio)
                    << QString::fromLatin1(drawing.name) << drawing.size() << ratio;
    }
    void drawingsAtBothDensities() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        const auto found =
            std::find_if(rules::drawings::kAll.begin(), rules::drawings::kAll.end(),
                         [&](const rules::Drawing& d) { return name == QLatin1String(d.name); });
        QVERIFY(found != rules::drawings::kAll.end());
        const test::TestProgramFolder folder;
        const QPixmap picture = loadDrawing(ProgramFolder(folder.root()), *found, ratio);
        QVERIFY2(!picture.isNull(), qPrintable(rules::drawingPicture(*found)));
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.size(), size * ratio);
        QCOMPARE(picture.deviceIndependentSize().toSize(), size);
        const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += qAlpha(image.pixel(x, y)) > 0;
        // At least a tenth of the picture is drawn on.
        QVERIFY2(drawn * 10 >= image.width() * image.height(), qPrintable(QString::number(drawn)));
    }

    // Every picture the generator draws has its double-size source, exactly
    // twice as large, and every double-size source has its picture. Kept at
    // their one size on purpose: the menu icons (one file per size of the
    // icon theme) and the help page's pictures (shown by the help browser).
    void everyGeneratedPictureHasItsDoubleSizeSource() {
        const QString root = QStringLiteral(ZORNA_APP_DIR "/");
        const QStringList oneSizeOnly{QStringLiteral("icons/"), QStringLiteral("help/")};
        QStringList wrong;
        int checked = 0;
        QDirIterator it(root, {"*.jpg", "*.bmp", "*.gif", "*.png"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = path.mid(root.size());
            if (name.startsWith(QLatin1String("Temp/"), Qt::CaseInsensitive) ||
                name.startsWith(QLatin1String("Save/"), Qt::CaseInsensitive))
                continue;
            if (QFileInfo(name).completeBaseName().endsWith(QLatin1String("@2x"))) {
                QString one = name;
                one.remove(one.lastIndexOf(QLatin1String("@2x")), 3);
                const QString bmp = one.left(one.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".bmp");
                if (!QFileInfo::exists(root + one) &&
                    !(one.endsWith(QLatin1String(".png")) && QFileInfo::exists(root + bmp)))
                    wrong << name + QStringLiteral(": no picture of its own size");
                continue;
            }
            if (std::any_of(oneSizeOnly.begin(), oneSizeOnly.end(),
                            [&](const QString& folder) { return name.startsWith(folder); })) {
                if (QFileInfo::exists(hiDpiVariant(path)))
                    wrong << name + QStringLiteral(": listed as one size only, but has a double-size source");
                continue;
            }
            const QImage picture(path);
            const QImage source(hiDpiVariant(path));
            ++checked;
            if (picture.isNull() || source.isNull())
                wrong << name + QStringLiteral(": no double-size source");
            else if (source.size() != picture.size() * 2)
                wrong << name + QStringLiteral(": %1 x %2 beside %3 x %4")
                                    .arg(source.width())
                                    .arg(source.height())
                                    .arg(picture.width())
                                    .arg(picture.height());
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        // The walk found the program folder's pictures (more than 500 of them).
        QVERIFY2(checked > 500, qPrintable(QString::number(checked)));
    }
};
ZORNA_TEST_CLASS(HiDpiPicturesTest)

#include "hidpi_pictures_test.moc"
