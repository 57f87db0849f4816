// kletka27: the fifteen wooden tiles of the sliding puzzle.
#include "common/picture_writer.h"
#include "generators.h"
#include "platform/geometry.h"
#include "puzzles/kletka27_data.h"
#include "rules/picture_names.h"
#include "tasks/puzzles/puzzle_tables.h"

#include <QLinearGradient>
#include <QPainter>

namespace zorna::assets {

namespace {

using namespace kletka27;

// A cell of the sliding frame is 65 x 65 with a one-pixel border inside, so
// the tile is drawn on the 63 x 63 the cell shows and the rest is bevel colour.
// scale 2 gives the source for screens of double density.
QImage tile(int n, int scale = 1) {
    ScaledPainting painting(QSize(kPiece, kPiece), scale, kBevel);
    QPainter& p = painting.painter();
    QLinearGradient wood(0, 0, 63, 63);
    wood.setColorAt(0, kWoodLight);
    wood.setColorAt(1, kWoodDark);
    p.fillRect(QRect(0, 0, 63, 63), wood);
    p.setPen(QPen(kHighlight, 2));
    p.drawLine(1, 1, 61, 1);
    p.drawLine(1, 1, 1, 61);
    p.setPen(QPen(kShadow, 2));
    p.drawLine(2, 61, 61, 61);
    p.drawLine(61, 2, 61, 61);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(n >= 10 ? 30 : 34);
    p.setFont(font);
    p.setPen(kNumber);
    p.drawText(QRect(0, 0, 63, 63), Qt::AlignCenter, QString::number(n));
    return painting.finish();
}

} // namespace

void generateKletka27(AssetWriter& w) {
    ContactSheet sheet(w, rules::taskFolder(27), QStringLiteral("kletka27 (task 7): tiles 1..15, 65 x 65"));
    for (int n = 1; n <= kSlidingTiles; ++n)
        writePicture(w, rules::taskPicture(27, n), [n](int scale) { return tile(n, scale); },
                     {.sheet = &sheet, .caption = QString::number(n)});
}

} // namespace zorna::assets
