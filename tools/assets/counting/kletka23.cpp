// kletka23: how many cubes are in the picture. Every cube of a wall shows, so
// the count drawn is the answer of the table, and the generator checks it.
#include "common/picture_writer.h"
#include "counting/cube_drawing.h"
#include "counting/kletka23_data.h"
#include "generators.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/counting/cube_tables.h"

#include <QPainter>

#include <algorithm>

namespace zorna::assets {

namespace {

using namespace kletka23;
using cubes::Cube;
using cubes::IsoView;

QList<Cube> wallCubes(const Wall& wall) {
    QList<Cube> out;
    for (int i = 0; i < wall.heights.size(); ++i)
        for (int z = 0; z < wall.heights[i]; ++z)
            out.append(wall.alongX ? Cube{i, 0, z} : Cube{0, i, z});
    return out;
}

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

} // namespace

void generateKletka23(AssetWriter& w) {
    ContactSheet sheet(w, rules::taskFolder(23),
                       QStringLiteral("kletka23: count the cubes (answer in caption)"));
    for (int n = 1; n <= kCubePictures; ++n)
        writePicture(w, rules::taskPicture(23, n),
                     [&](int scale) { return countPicture(w, n, kCountPictures[n - 1], scale); },
                     {.jpegQuality = 95,
                      .sheet = &sheet,
                      .caption = QStringLiteral("%1: %2 cubes").arg(n).arg(kCubeCounts[n - 1])});
}

} // namespace zorna::assets
