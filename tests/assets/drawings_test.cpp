// The windows' drawings in the generated program folder: each picture is its
// own SVG of resources/ drawn at the size of the table the windows use, at 1x
// and 2x, so a drawing drawn from another source, at another size or left
// over from an older table shows here.
#include "rules/drawings.h"
#include "rules/picture_names.h"
#include "support/test_registry.h"

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace zorna::test {

namespace {

QImage renderedSource(const rules::Drawing& drawing, int scale) {
    QSvgRenderer renderer(QStringLiteral(ZORNA_SOURCE_DIR "/resources/") + QLatin1String(drawing.source));
    QImage image(drawing.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!renderer.isValid())
        return QImage();
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The largest difference of one channel between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d :
                 {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                largest = std::max(largest, std::abs(d));
        }
    return largest;
}

} // namespace

class DrawingsTest : public QObject {
    Q_OBJECT
private slots:
    void drawingsAreTheirSources_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("scale");
        for (int i = 0; i < int(rules::drawings::kAll.size()); ++i)
            for (const int scale : {1, 2})
                QTest::addRow("%s@%dx", rules::drawings::kAll[i].name, scale) << i << scale;
    }
    void drawingsAreTheirSources() {
        QFETCH(int, index);
        QFETCH(int, scale);
        const rules::Drawing& drawing = rules::drawings::kAll[index];
        QString file = QStringLiteral(ZORNA_APP_DIR "/") + rules::drawingPicture(drawing);
        if (scale == 2)
            file = rules::hiDpiName(file);
        const QImage written = QImage(file).convertToFormat(QImage::Format_ARGB32);
        const QImage source = renderedSource(drawing, scale);
        QVERIFY2(!written.isNull(), qPrintable(file));
        QVERIFY2(!source.isNull(), drawing.source);
        QCOMPARE(written.size(), source.size());
        // Stored without premultiplied alpha, a half-transparent pixel may come
        // back one step off.
        QVERIFY2(largestDifference(written, source) <= 2,
                 qPrintable(QString::number(largestDifference(written, source))));
    }

    // No two drawings share a picture, and every SVG of resources/ is drawn.
    void everySourceIsDrawnOnceUnderItsOwnName() {
        QStringList names;
        QStringList sources;
        for (const rules::Drawing& drawing : rules::drawings::kAll) {
            QVERIFY2(!names.contains(QLatin1String(drawing.name)), drawing.name);
            names.append(QLatin1String(drawing.name));
            sources.append(QLatin1String(drawing.source));
        }
        QDirIterator it(QStringLiteral(ZORNA_SOURCE_DIR "/resources"), {QStringLiteral("*.svg")}, QDir::Files,
                        QDirIterator::Subdirectories);
        const QString root = QStringLiteral(ZORNA_SOURCE_DIR "/resources/");
        int found = 0;
        while (it.hasNext()) {
            const QString source = it.next().mid(root.size());
            ++found;
            QVERIFY2(sources.contains(source), qPrintable(source + QStringLiteral(" is drawn by no window")));
        }
        QVERIFY(found > 0);
    }
};

} // namespace zorna::test

using zorna::test::DrawingsTest;
ZORNA_TEST_CLASS(DrawingsTest)

#include "drawings_test.moc"
