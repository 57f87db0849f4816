// kletka20: three silhouettes of a block object (front, side, top) and four
// objects drawn in isometric view, of which exactly one has those silhouettes.
// The silhouettes are computed from the objects; a wrong object must fail to
// match even when looked at from another side or mirrored, so no reading of
// "front" and "side" makes it right.
#include "choice/kletka20_data.h"
#include "choice/single_choice/single_choice_draw.h"
#include "generators.h"
#include "rules/block_views.h"
#include "rules/seeded_random.h"

#include <algorithm>
#include <vector>

namespace zorna::assets::sc {

namespace {

using namespace kletka20;
using namespace zorna::rules;

// The eight ways to turn or mirror the base.
Blocks symmetric(const Blocks& b, int k) {
    Blocks out;
    for (int y = 0; y < kBase; ++y)
        for (int x = 0; x < kBase; ++x) {
            int nx = x, ny = y;
            for (int t = 0; t < k % 4; ++t) {
                const int tx = nx;
                nx = kBase - 1 - ny;
                ny = tx;
            }
            if (k >= 4)
                nx = kBase - 1 - nx;
            out.set(nx, ny, b.at(x, y));
        }
    return out;
}

bool matchesSomehow(const Blocks& b, const Views& wanted) {
    for (int k = 0; k < 8; ++k)
        if (viewsOf(symmetric(b, k)) == wanted)
            return true;
    return false;
}

bool connected(const Blocks& b) {
    std::vector<int> seen(kBase * kBase, 0);
    int start = -1, total = 0;
    for (int i = 0; i < kBase * kBase; ++i)
        if (b.height[std::size_t(i)] > 0) {
            ++total;
            start = i;
        }
    if (start < 0)
        return false;
    std::vector<int> stack{start};
    seen[std::size_t(start)] = 1;
    int reached = 0;
    while (!stack.empty()) {
        const int c = stack.back();
        stack.pop_back();
        ++reached;
        const int x = c % kBase, y = c / kBase;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx, ny = y + dy;
            const int n = ny * kBase + nx;
            if (nx >= 0 && ny >= 0 && nx < kBase && ny < kBase && b.height[std::size_t(n)] > 0 &&
                !seen[std::size_t(n)]) {
                seen[std::size_t(n)] = 1;
                stack.push_back(n);
            }
        }
    }
    return reached == total;
}

bool drawable(const Blocks& b) {
    return connected(b) && leastVisibleTop(b) >= 0.35;
}

Blocks randomObject(SeededRandom& rnd) {
    for (;;) {
        Blocks b;
        const int columns = rnd.between(4, 6);
        int placed = 0;
        while (placed < columns) {
            const int i = rnd.below(kBase * kBase);
            if (b.height[std::size_t(i)] == 0) {
                b.height[std::size_t(i)] = rnd.between(1, kMaxHeight);
                ++placed;
            }
        }
        // Not the same from every side, so the views say something.
        const Views v = viewsOf(b);
        if (drawable(b) && !(v.front == v.side) && b.blocks() <= 12)
            return b;
    }
}

// A changed object: one stack higher or lower, added, removed or moved.
Blocks changed(const Blocks& b, SeededRandom& rnd) {
    Blocks c = b;
    const int i = rnd.below(kBase * kBase);
    switch (rnd.below(3)) {
    case 0:
        c.height[std::size_t(i)] =
            std::clamp(c.height[std::size_t(i)] + (rnd.chance(50) ? 1 : -1), 0, kMaxHeight);
        break;
    case 1: {
        const int j = rnd.below(kBase * kBase);
        std::swap(c.height[std::size_t(i)], c.height[std::size_t(j)]);
        break;
    }
    default:
        c.height[std::size_t(i)] = c.height[std::size_t(i)] == 0 ? rnd.between(1, 2) : 0;
        break;
    }
    return c;
}

struct V3 {
    double x, y, z;
};

QPointF iso(const V3& v, double s) {
    return {(v.x + v.y) * s * 0.70710678, -(-v.x + v.y + 2 * v.z) * s * 0.40824829};
}

void drawObject(QPainter& p, const QRectF& area, const Blocks& b) {
    const double s = std::min(area.width() / (2 * kBase * 0.7071),
                              area.height() / ((2 * kBase + 2 * kMaxHeight) * 0.4082));
    // Bounds: x 0 .. 2*kBase*0.707 s; y from -(kBase + 2*kMaxHeight)*0.408 s to kBase*0.408 s.
    const double top = -(kBase + 2 * kMaxHeight) * 0.4082 * s;
    const double bottom = kBase * 0.4082 * s;
    const QPointF offset(area.center().x() - kBase * 0.7071 * s, area.center().y() - (top + bottom) / 2);
    const QColor topColour = kTopFace, frontColour = kFrontFace, rightColour = kRightFace;
    p.save();
    // The floor the stacks stand on, with its 3 x 3 places, so empty places and heights read.
    auto floor = [&](double x, double y) { return iso({x, y, 0}, s) + offset; };
    const QPointF plate[] = {floor(0, 0), floor(kBase, 0), floor(kBase, kBase), floor(0, kBase)};
    p.setPen(QPen(kFloorLine, 1));
    p.setBrush(kFloor);
    p.drawPolygon(plate, 4);
    for (int i = 1; i < kBase; ++i) {
        p.drawLine(floor(i, 0), floor(i, kBase));
        p.drawLine(floor(0, i), floor(kBase, i));
    }
    p.setPen(QPen(kEdge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int z = 0; z < kMaxHeight; ++z)
        for (int y = kBase - 1; y >= 0; --y)
            for (int x = 0; x < kBase; ++x) {
                if (z >= b.at(x, y))
                    continue;
                auto pt = [&](double dx, double dy, double dz) {
                    return iso({x + dx, y + dy, z + dz}, s) + offset;
                };
                const QPointF topFace[] = {pt(0, 0, 1), pt(1, 0, 1), pt(1, 1, 1), pt(0, 1, 1)};
                const QPointF front[] = {pt(0, 0, 0), pt(1, 0, 0), pt(1, 0, 1), pt(0, 0, 1)};
                const QPointF right[] = {pt(1, 0, 0), pt(1, 1, 0), pt(1, 1, 1), pt(1, 0, 1)};
                p.setBrush(frontColour);
                p.drawPolygon(front, 4);
                p.setBrush(rightColour);
                p.drawPolygon(right, 4);
                p.setBrush(topColour);
                p.drawPolygon(topFace, 4);
            }
    p.restore();
}

void drawSilhouette(QPainter& p, const QRectF& area, const Silhouette& s, const QString& label) {
    const double labelH = 18;
    const double side = std::floor(std::min(area.width() - 12, area.height() - labelH - 12) / kBase);
    const QPointF origin(area.center().x() - side * kBase / 2,
                         area.top() + 6 + (area.height() - labelH - 6 - side * kBase) / 2);
    p.save();
    p.setPen(QPen(kGridLine, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    for (int r = 0; r < kMaxHeight; ++r)
        for (int c = 0; c < kBase; ++c)
            p.drawRect(QRectF(origin.x() + c * side, origin.y() + r * side, side, side));
    p.setPen(QPen(kSilhouetteEdge, 1));
    p.setBrush(kSilhouette);
    for (int r = 0; r < kMaxHeight; ++r)
        for (int c = 0; c < kBase; ++c)
            if (s[std::size_t(r)][std::size_t(c)])
                p.drawRect(QRectF(origin.x() + c * side, origin.y() + r * side, side, side));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kLabel);
    p.drawText(QRectF(area.left(), area.bottom() - labelH - 2, area.width(), labelH), Qt::AlignCenter, label);
    p.restore();
}

} // namespace

void drawKletka20(PictureJob& job) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        SeededRandom rnd(job.seed(attempt));
        const Blocks object = randomObject(rnd);
        const Views wanted = viewsOf(object);
        std::vector<Blocks> wrong;
        for (int tries = 0; int(wrong.size()) < job.layout.regionCount - 1 && tries < 400; ++tries) {
            Blocks c = changed(object, rnd);
            if (rnd.chance(30))
                c = changed(c, rnd);
            if (!drawable(c) || matchesSomehow(c, wanted))
                continue;
            bool fresh = true;
            for (const Blocks& o : wrong)
                for (int k = 0; k < 8; ++k)
                    fresh = fresh && !(symmetric(c, k) == o);
            if (fresh)
                wrong.push_back(c);
        }
        if (int(wrong.size()) != job.layout.regionCount - 1)
            continue;
        const std::vector<Blocks> shown = candidatesInRegionOrder(job, object, wrong);
        const auto matching = std::count_if(shown.begin(), shown.end(),
                                            [&](const Blocks& b) { return matchesSomehow(b, wanted); });
        if (matching != 1 || !(viewsOf(shown[std::size_t(job.answer - 1)]) == wanted)) {
            job.fail(QStringLiteral("%1 objects have the three views").arg(matching));
            return;
        }
        const QRect& m = job.layout.main;
        const double w = m.width() / 3.0;
        drawSilhouette(job.p, QRectF(m.left(), m.top(), w, m.height()), wanted.front,
                       QStringLiteral("спереду"));
        drawSilhouette(job.p, QRectF(m.left() + w, m.top(), w, m.height()), wanted.side,
                       QStringLiteral("збоку"));
        drawSilhouette(job.p, QRectF(m.left() + 2 * w, m.top(), w, m.height()), wanted.top,
                       QStringLiteral("зверху"));
        drawFrame(job.p, m, kMainFrame, 3);
        drawCandidates(job, shown, [&](const QRect& cell, const Blocks& b) {
            drawObject(job.p, QRectF(cell).adjusted(8, 8, -8, -8), b);
        });
        return;
    }
    job.fail(QStringLiteral("no object with three wrong ones"));
}

} // namespace zorna::assets::sc
