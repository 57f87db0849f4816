#include "choice/single_choice/line_figures.h"

#include "rules/line_figure.h"
#include "rules/seeded_random.h"

#include <vector>

namespace zorna::assets::sc {

namespace {

using rules::LatticePoint;
using rules::LineDrawing;
using rules::SeededRandom;

constexpr int kLattice = 6; // points 0..6 each way

// Small figures as closed or open paths of lattice points.
const std::vector<std::vector<std::vector<LatticePoint>>> kFigures = {
    {{{0, 0}, {0, 2}, {2, 2}, {0, 0}}},                 // right triangle
    {{{0, 2}, {2, 0}, {4, 2}, {0, 2}}},                 // roof triangle
    {{{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}},         // square
    {{{1, 0}, {2, 1}, {1, 2}, {0, 1}, {1, 0}}},         // diamond
    {{{0, 1}, {1, 0}, {2, 1}, {2, 3}, {0, 3}, {0, 1}}}, // house
    {{{0, 3}, {0, 0}, {2, 0}, {1, 1}, {0, 1}}},         // flag
    {{{0, 1}, {1, 0}, {2, 1}, {3, 0}, {4, 1}}},         // zigzag
    {{{0, 1}, {3, 1}}, {{2, 0}, {3, 1}, {2, 2}}},       // arrow
    {{{0, 0}, {2, 0}, {0, 2}, {2, 2}}},                 // Z
    {{{0, 0}, {2, 2}, {2, 0}, {0, 2}, {0, 0}}},         // bow tie
    {{{0, 0}, {3, 0}, {3, 3}}, {{0, 0}, {3, 3}}},       // triangle with a long side
};

LineDrawing figureAt(int index, int dx, int dy) {
    LineDrawing d;
    for (const auto& path : kFigures[std::size_t(index)])
        for (std::size_t i = 1; i < path.size(); ++i)
            d.add({path[i - 1].x + dx, path[i - 1].y + dy}, {path[i].x + dx, path[i].y + dy});
    return d;
}

// Lines across the lattice that hide the figure among them.
LineDrawing clutter(SeededRandom& rnd, int lines) {
    static const int dirs[8][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}, {-1, 0}, {0, -1}, {-1, -1}, {-1, 1}};
    LineDrawing d;
    while (lines > 0) {
        const LatticePoint a{rnd.between(0, kLattice), rnd.between(0, kLattice)};
        const int* dir = dirs[rnd.below(8)];
        const int len = rnd.between(2, 5);
        const LatticePoint b{a.x + dir[0] * len, a.y + dir[1] * len};
        if (b.x < 0 || b.y < 0 || b.x > kLattice || b.y > kLattice)
            continue;
        d.add(a, b);
        --lines;
    }
    return d;
}

// The figure changed so it is no longer there at the same place and size:
// moved by one step, drawn twice as large, mirrored, or with a piece left out.
LineDrawing nearMiss(int figure, int dx, int dy, SeededRandom& rnd, const LineDrawing& original) {
    for (int tries = 0; tries < 50; ++tries) {
        LineDrawing d;
        switch (rnd.below(4)) {
        case 0: {
            static const int moves[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            const int* m = moves[rnd.below(4)];
            d = original.shifted(m[0], m[1]);
            break;
        }
        case 1:
            for (const auto& path : kFigures[std::size_t(figure)])
                for (std::size_t i = 1; i < path.size(); ++i)
                    d.add({2 * path[i - 1].x + dx, 2 * path[i - 1].y + dy},
                          {2 * path[i].x + dx, 2 * path[i].y + dy});
            break;
        case 2: {
            int maxX = 0;
            for (const auto& path : kFigures[std::size_t(figure)])
                for (const LatticePoint& pt : path)
                    maxX = std::max(maxX, pt.x);
            d = original.mirroredX(2 * dx + maxX);
            break;
        }
        default: {
            const auto lines = original.lines();
            d = original;
            const auto& l = lines[std::size_t(rnd.below(int(lines.size())))];
            const int sx = (l.b.x > l.a.x) - (l.b.x < l.a.x);
            const int sy = (l.b.y > l.a.y) - (l.b.y < l.a.y);
            // Leave out the whole line when it is short, else its first step.
            if (std::max(std::abs(l.b.x - l.a.x), std::abs(l.b.y - l.a.y)) <= 2)
                for (LatticePoint p = l.a; p != l.b; p = {p.x + sx, p.y + sy})
                    d.removeStep(p, {p.x + sx, p.y + sy});
            else
                d.removeStep(l.a, {l.a.x + sx, l.a.y + sy});
            break;
        }
        }
        if (d.fitsIn(kLattice) && !d.contains(original) && !d.empty())
            return d;
    }
    return {};
}

QPointF toPixel(const QRect& cell, const LatticePoint& p) {
    const double margin = 14.0;
    const double step = (cell.width() - 2 * margin) / kLattice;
    return {cell.left() + margin + p.x * step, cell.top() + margin + p.y * step};
}

void drawLattice(QPainter& p, const QRect& cell, const LineDrawing& d) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 190, 190));
    for (int y = 0; y <= kLattice; ++y)
        for (int x = 0; x <= kLattice; ++x)
            p.drawEllipse(toPixel(cell, {x, y}), 1.3, 1.3);
    p.setPen(QPen(QColor(20, 20, 20), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& l : d.lines())
        p.drawLine(toPixel(cell, l.a), toPixel(cell, l.b));
    p.restore();
}

// Draws one picture: the figure in the red square and the drawings. `holding`
// says for each region whether its drawing holds the figure; the picture is
// accepted only when the computed inclusion agrees for every region.
bool tryPicture(PictureJob& job, int attempt, bool oddOneHolds) {
    SeededRandom rnd(job.seed(attempt));
    const int figure = (job.picture - 1 + attempt) % int(kFigures.size());
    int w = 0, h = 0;
    for (const auto& path : kFigures[std::size_t(figure)])
        for (const LatticePoint& pt : path) {
            w = std::max(w, pt.x);
            h = std::max(h, pt.y);
        }
    const int dx = rnd.between(0, kLattice - w);
    const int dy = rnd.between(0, kLattice - h);
    const LineDrawing original = figureAt(figure, dx, dy);

    std::vector<LineDrawing> drawings;
    for (int i = 1; i <= job.layout.regionCount; ++i) {
        const bool odd = i == job.answer;
        const bool holds = odd == oddOneHolds;
        LineDrawing d = holds ? original : nearMiss(figure, dx, dy, rnd, original);
        if (d.empty())
            return false;
        d.add(clutter(rnd, rnd.between(4, 6)));
        if (d.contains(original) != holds)
            return false;
        drawings.push_back(d);
    }
    int holding = 0;
    for (const LineDrawing& d : drawings)
        holding += d.contains(original);
    const int expected = oddOneHolds ? 1 : job.layout.regionCount - 1;
    if (holding != expected)
        return false;

    drawLattice(job.p, job.layout.main, original);
    drawFrame(job.p, job.layout.main, QColor(230, 0, 0), 3);
    drawCandidates(job, drawings,
                   [&](const QRect& cell, const LineDrawing& d) { drawLattice(job.p, cell, d); });
    return true;
}

} // namespace

void drawFigurePicture(PictureJob& job, bool oddOneHolds) {
    for (int attempt = 0; attempt < 200; ++attempt)
        if (tryPicture(job, attempt, oddOneHolds))
            return;
    job.fail(QStringLiteral("no drawing set with exactly one odd drawing"));
}

} // namespace zorna::assets::sc
