// Pictures of the puzzle windows: the fifteen tiles of the sliding puzzle and
// the eleven pictures of the assembly task, cut into 16 pieces each.
#include "assembly_scenes.h"
#include "generators.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/puzzles/puzzle_tables.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace zorna::assets {

namespace {

constexpr int kPiece = tw(kPuzzleCellTwips);

// A cell of the sliding frame is 65 x 65 with a one-pixel border inside, so
// the tile is drawn on the 63 x 63 the cell shows and the rest is bevel colour.
// scale 2 gives the source for screens of double density.
QImage tile(int n, int scale = 1) {
    QImage image(kPiece * scale, kPiece * scale, QImage::Format_RGB32);
    image.fill(QColor(0x8a5a2b));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient wood(0, 0, 63, 63);
    wood.setColorAt(0, QColor(0xf7e1b5));
    wood.setColorAt(1, QColor(0xd9a45f));
    p.fillRect(QRect(0, 0, 63, 63), wood);
    p.setPen(QPen(QColor(0xfff4dc), 2));
    p.drawLine(1, 1, 61, 1);
    p.drawLine(1, 1, 1, 61);
    p.setPen(QPen(QColor(0x9a6a35), 2));
    p.drawLine(2, 61, 61, 61);
    p.drawLine(61, 2, 61, 61);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(n >= 10 ? 30 : 34);
    p.setFont(font);
    p.setPen(QColor(0x5a1e00));
    p.drawText(QRect(0, 0, 63, 63), Qt::AlignCenter, QString::number(n));
    return image;
}

// Luminance spread of a picture: a piece with almost none has no clear place.
double spread(const QImage& image) {
    double sum = 0, sum2 = 0;
    const int count = image.width() * image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double v = qGray(image.pixel(x, y));
            sum += v;
            sum2 += v * v;
        }
    const double mean = sum / count;
    return std::sqrt(std::max(0.0, sum2 / count - mean * mean));
}

// Mean absolute colour difference of two pieces of the same size.
double difference(const QImage& a, const QImage& b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return total / (3.0 * a.width() * a.height());
}

void assemblyPictures(AssetWriter& w) {
    QList<QImage> sheet;
    QStringList captions;
    const QList<Scene> scenes = assemblyScenes();
    if (scenes.size() != kAssemblyPictures)
        w.fail(
            QStringLiteral("kletka25: %1 pictures instead of %2").arg(scenes.size()).arg(kAssemblyPictures));
    for (int n = 1; n <= scenes.size(); ++n) {
        const QImage picture = scenes[n - 1].draw();
        const QImage sharp = scenes[n - 1].draw(2);
        if (picture.size() != QSize(4 * kPiece, 4 * kPiece))
            w.fail(QStringLiteral("kletka25/%1: wrong size").arg(n));
        QList<QImage> pieces;
        for (int k = 1; k <= kAssemblyPieces; ++k) {
            const QImage piece = picture.copy(((k - 1) % 4) * kPiece, ((k - 1) / 4) * kPiece, kPiece, kPiece);
            if (spread(piece) < 10)
                w.fail(QStringLiteral("kletka25/%1/%2.jpg is almost uniform (%3)")
                           .arg(n)
                           .arg(k)
                           .arg(spread(piece)));
            for (int j = 0; j < pieces.size(); ++j)
                if (difference(piece, pieces[j]) < 9)
                    w.fail(
                        QStringLiteral("kletka25/%1: pieces %2 and %3 look alike").arg(n).arg(j + 1).arg(k));
            pieces.append(piece);
            const QString name = QStringLiteral("kletka25/%1/%2.jpg").arg(n).arg(k);
            w.jpeg(name, piece);
            w.jpeg(rules::hiDpiName(name), sharp.copy(((k - 1) % 4) * 2 * kPiece, ((k - 1) / 4) * 2 * kPiece,
                                                      2 * kPiece, 2 * kPiece));
        }
        sheet.append(picture);
        captions.append(QStringLiteral("%1: %2").arg(n).arg(scenes[n - 1].name));
    }
    w.contactSheet(
        QStringLiteral("kletka25"),
        QStringLiteral("kletka25 (task 21): the eleven assembly pictures, 260 x 260, cut into 16 pieces "
                       "of 65 x 65"),
        sheet, captions);
}

} // namespace

void generatePuzzleAssets(AssetWriter& w) {
    QList<QImage> tiles;
    QStringList captions;
    for (int n = 1; n <= kSlidingTiles; ++n) {
        tiles.append(tile(n));
        captions.append(QString::number(n));
        w.jpeg(QStringLiteral("kletka27/%1.jpg").arg(n), tiles.last());
        w.jpeg(QStringLiteral("kletka27/%1@2x.jpg").arg(n), tile(n, 2));
    }
    w.contactSheet(QStringLiteral("kletka27"), QStringLiteral("kletka27 (task 7): tiles 1..15, 65 x 65"),
                   tiles, captions);
    assemblyPictures(w);
}

} // namespace zorna::assets
