// kletka25: the eleven assembly pictures, cut into 16 pieces each; every piece
// shows part of something and differs from the others.
#include "common/picture_writer.h"
#include "generators.h"
#include "platform/geometry.h"
#include "puzzles/assembly_scenes.h"
#include "puzzles/kletka25_data.h"
#include "rules/picture_names.h"
#include "tasks/puzzles/puzzle_tables.h"

#include <cmath>

namespace zorna::assets {

namespace {

using namespace kletka25;

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

} // namespace

void generateKletka25(AssetWriter& w) {
    ContactSheet sheet(
        w, rules::taskFolder(25),
        QStringLiteral("kletka25 (task 21): the eleven assembly pictures, 260 x 260, cut into 16 pieces "
                       "of 65 x 65"));
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
            if (spread(piece) < kMinSpread)
                w.fail(QStringLiteral("kletka25/%1/%2.jpg is almost uniform (%3)")
                           .arg(n)
                           .arg(k)
                           .arg(spread(piece)));
            for (int j = 0; j < pieces.size(); ++j)
                if (difference(piece, pieces[j]) < kMinDifference)
                    w.fail(
                        QStringLiteral("kletka25/%1: pieces %2 and %3 look alike").arg(n).arg(j + 1).arg(k));
            pieces.append(piece);
            writePicture(w, rules::taskFile(25, QStringLiteral("%1/%2.jpg").arg(n).arg(k)), [&](int scale) {
                return (scale == 1 ? picture : sharp)
                    .copy(((k - 1) % 4) * scale * kPiece, ((k - 1) / 4) * scale * kPiece, scale * kPiece,
                          scale * kPiece);
            });
        }
        sheet.add(picture, QStringLiteral("%1: %2").arg(n).arg(scenes[n - 1].name));
    }
}

} // namespace zorna::assets
