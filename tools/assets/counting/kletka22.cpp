// kletka22: how many cubes each figure lacks, against the whole block beside it.
#include "common/picture_writer.h"
#include "counting/cube_drawing.h"
#include "counting/kletka22_data.h"
#include "generators.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/counting/cube_tables.h"

#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>

namespace zorna::assets {

namespace {

using namespace kletka22;
using cubes::Cube;
using cubes::IsoView;

using HeightMap = QList<QList<int>>;

HeightMap takeCubes(const Block& b, int missing, quint32 seed) {
    HeightMap h(b.w, QList<int>(b.d, b.h));
    QRandomGenerator rnd(seed);
    for (int m = 0; m < missing; ++m) {
        QList<QPoint> removable;
        for (int x = 0; x < b.w; ++x)
            for (int y = 0; y < b.d; ++y) {
                if (h[x][y] == 0)
                    continue;
                const bool frontX = x + 1 >= b.w || h[x + 1][y] < h[x][y];
                const bool frontY = y + 1 >= b.d || h[x][y + 1] < h[x][y];
                if (frontX && frontY)
                    removable.append(QPoint(x, y));
            }
        int top = 0;
        for (const QPoint& c : removable)
            top = std::max(top, h[c.x()][c.y()]);
        removable.removeIf([&](const QPoint& c) { return h[c.x()][c.y()] != top; });
        if (removable.isEmpty())
            break;
        const QPoint c = removable[int(rnd.bounded(quint32(removable.size())))];
        --h[c.x()][c.y()];
    }
    return h;
}

QList<Cube> cubesOf(const HeightMap& h) {
    QList<Cube> out;
    for (int x = 0; x < h.size(); ++x)
        for (int y = 0; y < h[x].size(); ++y)
            for (int z = 0; z < h[x][y]; ++z)
                out.append(Cube{x, y, z});
    return out;
}

bool staircase(const HeightMap& h) {
    for (int x = 0; x < h.size(); ++x)
        for (int y = 0; y < h[x].size(); ++y)
            if ((x + 1 < h.size() && h[x + 1][y] > h[x][y]) || (y + 1 < h[x].size() && h[x][y + 1] > h[x][y]))
                return false;
    return true;
}

QRectF blockBounds(const Block& b) {
    QList<Cube> full;
    for (int x = 0; x < b.w; ++x)
        for (int y = 0; y < b.d; ++y)
            for (int z = 0; z < b.h; ++z)
                full.append(Cube{x, y, z});
    return boundsOf(full, IsoView{QPointF(0, 0), 1.0});
}

// Where a figure is drawn inside its cell. The sample's caption needs a line
// of its own; a figure's one-digit caption sits in the corner the block's
// outline leaves empty.
QRectF sampleRoom(const QRect& cell) {
    return QRectF(cell).adjusted(3, 16, -3, -3);
}

QRectF figureRoom(const QRect& cell) {
    return QRectF(cell).adjusted(3, 3, -3, -3);
}

double edgeToFit(const QRectF& bounds, const QRectF& room) {
    return qMin(room.width() / bounds.width(), room.height() / bounds.height());
}

// Draws one figure centred in its room with the given cube edge; the whole
// block's outline decides the position, so every figure lines up with the sample.
void drawFigure(QPainter& p, const QRect& cell, const QRectF& room, const Block& b, double edge,
                const QList<Cube>& cubes, const QColor& colour, const QString& caption) {
    p.setPen(QPen(QColor(170, 170, 170), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(cell).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 60, 60));
    p.drawText(cell.adjusted(6, 2, -6, -3), Qt::AlignLeft | Qt::AlignTop, caption);
    const QRectF bounds = blockBounds(b);
    const IsoView view{room.center() - bounds.center() * edge, edge};
    cubes::drawCubes(p, view, cubes, colour);
}

QImage missingPicture(AssetWriter& w, int n, int scale = 1) {
    const QSize size(tw(kMissingPictureTwips.width), tw(kMissingPictureTwips.height));
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(QColor(236, 240, 246));
    const Block& b = kSamples[n - 1];
    const QColor colour = QColor::fromHsv((n * 67) % 360, 140, 215);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    // The figures where the window's regions lie; the sample, which has no
    // region, in the top-left corner, reaching a little into the gaps.
    const QRect sampleCell(0, 0, 137, 137);
    QList<QRect> cells;
    for (const TwipsRect& region : kMissingRegionTwips)
        cells.append(twRect(region.left, region.top, region.width, region.height));
    const QRectF bounds = blockBounds(b);
    const double edge =
        qMin(edgeToFit(bounds, sampleRoom(sampleCell)), edgeToFit(bounds, figureRoom(cells[0])));
    if (edge < kMinCubeEdge)
        w.fail(QStringLiteral("kletka22/%1: cubes of %2 pixels are too small to count").arg(n).arg(edge));
    drawFigure(p, sampleCell, sampleRoom(sampleCell), b, edge, cubesOf(takeCubes(b, 0, 0)), colour,
               QStringLiteral("Зразок"));
    for (int k = 1; k <= 5; ++k) {
        const int missing = kMissingCubes[n - 1][k - 1];
        const HeightMap h = takeCubes(b, missing, quint32(1000 * n + 17 * k));
        const QList<Cube> cubes = cubesOf(h);
        if (b.w * b.d * b.h - int(cubes.size()) != missing || !staircase(h))
            w.fail(QStringLiteral("kletka22/%1: figure %2 lacks %3 cubes, the answer is %4")
                       .arg(n)
                       .arg(k)
                       .arg(b.w * b.d * b.h - cubes.size())
                       .arg(missing));
        const QRect& cell = cells[k - 1];
        drawFigure(p, cell, figureRoom(cell), b, edge, cubes, colour, QString::number(k));
    }
    return image;
}

} // namespace

void generateKletka22(AssetWriter& w) {
    ContactSheet sheet(w, rules::taskFolder(22),
                       QStringLiteral("kletka22: cubes missing from figures 1..5 (answers in caption)"));
    for (int n = 1; n <= kCubePictures; ++n) {
        QStringList row;
        for (int v : kMissingCubes[n - 1])
            row.append(QString::number(v));
        writePicture(w, rules::taskPicture(22, n), [&](int scale) { return missingPicture(w, n, scale); },
                     {.jpegQuality = 95,
                      .sheet = &sheet,
                      .caption = QStringLiteral("%1: %2").arg(n).arg(row.join(QStringLiteral(", ")))});
    }
}

} // namespace zorna::assets
