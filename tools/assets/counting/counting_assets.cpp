// Cube pictures of the two counting windows and the frames of the film stories.
#include "cube_drawing.h"
#include "generators.h"
#include "platform/geometry.h"
#include "tasks/counting/cube_tables.h"

#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace zorna::assets {

void generateFilmStories(AssetWriter& w);

namespace {

using cubes::Cube;
using cubes::IsoView;

// ---- kletka23: how many cubes are in the picture ----

// A wall of stacks one cube deep, running to the front right (along x) or to
// the front left (along y): every cube shows a whole front face. Stacks never
// grow towards the front, so the top of every stack shows as well and no
// stack can be read as taller than it is.
struct Wall {
    bool alongX;
    QList<int> heights;
};

QList<Cube> wallCubes(const Wall& wall) {
    QList<Cube> out;
    for (int i = 0; i < wall.heights.size(); ++i)
        for (int z = 0; z < wall.heights[i]; ++z)
            out.append(wall.alongX ? Cube{i, 0, z} : Cube{0, i, z});
    return out;
}

QRectF boundsOf(const QList<Cube>& cubes, const IsoView& view) {
    QRectF r;
    for (const Cube& c : cubes)
        for (int dx = 0; dx <= 1; ++dx)
            for (int dy = 0; dy <= 1; ++dy)
                for (int dz = 0; dz <= 1; ++dz) {
                    const QPointF p = view.at(c.x + dx, c.y + dy, c.z + dz);
                    r = r.isNull() ? QRectF(p, QSizeF(0.01, 0.01)) : r.united(QRectF(p, QSizeF(0.01, 0.01)));
                }
    return r;
}

struct CountPicture {
    QList<Wall> walls;
    QColor colour;
};

const std::array<CountPicture, kCubePictures> kCountPictures{{
    {{{true, {2, 1, 1}}}, QColor(220, 70, 60)},
    {{{true, {2, 2, 1}}}, QColor(60, 130, 210)},
    {{{true, {3, 2, 1}}, {false, {2}}}, QColor(240, 170, 40)},
    {{{true, {4, 3, 2, 1}}}, QColor(90, 170, 80)},
    {{{true, {3, 3, 3}}, {false, {2, 1}}}, QColor(170, 90, 190)},
    {{{true, {5, 4, 3, 2, 1}}}, QColor(230, 120, 50)},
    {{{true, {2, 2, 1}}, {false, {3, 2}}}, QColor(50, 160, 170)},
    {{{false, {6, 5, 4, 3, 2, 1}}}, QColor(200, 60, 90)},
    {{{true, {3, 3, 3}}, {false, {2, 2, 2}}}, QColor(110, 120, 200)},
    {{{true, {5, 5, 5, 5, 5}}, {false, {4, 4, 4, 4, 4}}}, QColor(200, 150, 60)},
    {{{true, {6, 5, 4, 3, 2, 1}}, {false, {5, 5, 5, 4, 4}}}, QColor(80, 150, 90)},
}};

// scale 2 gives the source for screens of double density: the same layout
// in window pixels, drawn on twice as many device pixels.
QImage countPicture(AssetWriter& w, int n, const CountPicture& plan, int scale = 1) {
    const QSize size(tw(kCountPictureTwips.width), tw(kCountPictureTwips.height));
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(QColor(250, 246, 236));
    // Groups side by side on one ground line; the edge is as large as fits.
    QList<QList<Cube>> groups;
    for (const Wall& wall : plan.walls)
        groups.append(wallCubes(wall));
    const IsoView unit{QPointF(0, 0), 1.0};
    const double gap = 1.2;
    double totalW = 0, maxH = 0;
    for (const auto& g : groups) {
        const QRectF b = boundsOf(g, unit);
        totalW += b.width();
        maxH = qMax(maxH, b.height());
    }
    totalW += gap * (groups.size() - 1);
    const double edge = qMin(44.0, qMin((size.width() - 50) / totalW, (size.height() - 40) / maxH));
    double left = (size.width() - totalW * edge) / 2;
    const double ground = (size.height() + maxH * edge) / 2;

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    int drawn = 0;
    for (const auto& g : groups) {
        const QRectF b = boundsOf(g, unit);
        const IsoView view{QPointF(left - b.left() * edge, ground - b.bottom() * edge), edge};
        // A soft shadow on the floor.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 25));
        p.drawEllipse(QRectF(left - edge * 0.2, ground - edge * 0.5, b.width() * edge + edge * 0.4, edge));
        cubes::drawCubes(p, view, g, plan.colour);
        const auto seen = cubes::visibility(view, g, size);
        for (int i = 0; i < g.size(); ++i) {
            const Cube& c = g[i];
            const bool topOfStack = std::none_of(g.begin(), g.end(), [&](const Cube& o) {
                return o.x == c.x && o.y == c.y && o.z == c.z + 1;
            });
            // A whole front face at least, and the top of a stack nearly whole.
            if (seen[i].frontVisible * 100 >= seen[i].frontArea * 45 &&
                (!topOfStack || seen[i].topVisible * 100 >= seen[i].topArea * 90))
                ++drawn;
        }
        left += (b.width() + gap) * edge;
    }
    p.end();
    if (drawn != kCubeCounts[n - 1])
        w.fail(QStringLiteral("kletka23/%1: %2 countable cubes drawn, the answer is %3")
                   .arg(n)
                   .arg(drawn)
                   .arg(kCubeCounts[n - 1]));
    return image;
}

// ---- kletka22: how many cubes each figure lacks ----

struct Block {
    int w, d, h; // footprint along x and y, height
};

constexpr std::array<Block, kCubePictures> kSamples{{
    {3, 3, 2},
    {3, 2, 3},
    {2, 2, 3},
    {3, 3, 2},
    {3, 3, 2},
    {3, 3, 3},
    {3, 3, 3},
    {3, 2, 2},
    {3, 3, 2},
    {3, 3, 3},
    {4, 3, 3},
}};

// The smallest cube edge, in pixels, a pupil can still count at real size.
constexpr double kMinCubeEdge = 18.0;

// Heights of the columns of a block after cubes were taken from its front:
// a column never stands higher than the one behind it, so every top shows
// and the missing cubes can be counted. Cubes go layer by layer from the top,
// so every missing cube leaves the top of the cube below it in view.
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

void generateCountingAssets(AssetWriter& w) {
    QList<QImage> counted, missing;
    QStringList countCaptions, missingCaptions;
    for (int n = 1; n <= kCubePictures; ++n) {
        const QImage c = countPicture(w, n, kCountPictures[n - 1]);
        w.jpeg(QStringLiteral("kletka23/%1.jpg").arg(n), c, 95);
        w.jpeg(QStringLiteral("kletka23/%1@2x.jpg").arg(n), countPicture(w, n, kCountPictures[n - 1], 2), 95);
        counted.append(c);
        countCaptions.append(QStringLiteral("%1: %2 cubes").arg(n).arg(kCubeCounts[n - 1]));

        const QImage m = missingPicture(w, n);
        w.jpeg(QStringLiteral("kletka22/%1.jpg").arg(n), m, 95);
        w.jpeg(QStringLiteral("kletka22/%1@2x.jpg").arg(n), missingPicture(w, n, 2), 95);
        missing.append(m);
        QStringList row;
        for (int v : kMissingCubes[n - 1])
            row.append(QString::number(v));
        missingCaptions.append(QStringLiteral("%1: %2").arg(n).arg(row.join(QStringLiteral(", "))));
    }
    if (w.wantsContactSheets()) {
        w.contactSheet(QStringLiteral("kletka23"),
                       QStringLiteral("kletka23: count the cubes (answer in caption)"), counted,
                       countCaptions);
        w.contactSheet(QStringLiteral("kletka22"),
                       QStringLiteral("kletka22: cubes missing from figures 1..5 (answers in caption)"),
                       missing, missingCaptions);
    }
    generateFilmStories(w);
}

} // namespace zorna::assets
