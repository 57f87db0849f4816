// kletka18: the folded napkin with holes cut through it. The right unfolded
// napkin is computed by mirroring every hole across the folds; the wrong ones
// copy instead of mirroring, lose or gain a hole, or move one.
#include "choice/kletka18_data.h"
#include "choice/single_choice/single_choice_draw.h"
#include "generators.h"
#include "rules/napkin.h"
#include "rules/seeded_random.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zorna::assets::sc {

namespace {

using namespace kletka18;
using namespace zorna::rules;

void drawHole(QPainter& p, const QRectF& cell, Hole h) {
    const QRectF r =
        cell.adjusted(cell.width() * 0.07, cell.height() * 0.07, -cell.width() * 0.07, -cell.height() * 0.07);
    QPolygonF tri;
    switch (h) {
    case Hole::None:
        return;
    case Hole::Circle:
        p.drawEllipse(r);
        return;
    case Hole::Square:
        p.drawRect(r.adjusted(1, 1, -1, -1));
        return;
    case Hole::TriangleUp:
        tri << QPointF(r.center().x(), r.top()) << r.bottomRight() << r.bottomLeft();
        break;
    case Hole::TriangleDown:
        tri << r.topLeft() << r.topRight() << QPointF(r.center().x(), r.bottom());
        break;
    case Hole::TriangleLeft:
        tri << QPointF(r.left(), r.center().y()) << r.topRight() << r.bottomRight();
        break;
    case Hole::TriangleRight:
        tri << r.topLeft() << QPointF(r.right(), r.center().y()) << r.bottomLeft();
        break;
    }
    p.drawPolygon(tri);
}

void drawSheet(QPainter& p, const QPointF& origin, double cell, const Sheet& s) {
    p.save();
    p.setPen(QPen(kFold, 1.2));
    p.setBrush(kCloth);
    p.drawRect(QRectF(origin, QSizeF(s.width * cell, s.height * cell)));
    p.setPen(QPen(kFold, 0.8));
    p.setBrush(Qt::white);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            drawHole(p, QRectF(origin.x() + x * cell, origin.y() + y * cell, cell, cell), s.at(x, y));
    p.restore();
}

// Where the open napkin is drawn inside a cell, and the size of one of its cells.
void napkinGeometry(const QRect& box, QPointF& origin, double& cell) {
    cell = std::floor((std::min(box.width(), box.height()) - 10) / double(kSide));
    origin = QPointF(box.center().x() - cell * kSide / 2.0, box.center().y() - cell * kSide / 2.0);
}

Folding foldingFor(int picture) {
    static const Folding order[3] = {Folding::Quarter, Folding::LeftHalf, Folding::TopHalf};
    return order[picture % 3];
}

Sheet randomPiece(SeededRandom& rnd, Folding folding) {
    const int w = folding == Folding::TopHalf ? kSide : kSide / 2;
    const int h = folding == Folding::LeftHalf ? kSide : kSide / 2;
    Sheet piece(w, h);
    const bool vertical = folding != Folding::TopHalf;
    // One triangle pointing across a fold, so that mirroring shows.
    const Hole across = vertical ? (rnd.chance(50) ? Hole::TriangleLeft : Hole::TriangleRight)
                                 : (rnd.chance(50) ? Hole::TriangleUp : Hole::TriangleDown);
    const int acrossY = rnd.below(h);
    const int acrossX = rnd.below(w);
    piece.set(acrossX, acrossY, across);
    const Hole kinds[] = {Hole::Circle,        Hole::Square,       Hole::TriangleUp,
                          Hole::TriangleRight, Hole::TriangleDown, Hole::TriangleLeft};
    const int holes = folding == Folding::Quarter ? rnd.between(2, 3) : rnd.between(3, 4);
    while (piece.holes() < holes) {
        const int x = rnd.below(w), y = rnd.below(h);
        // Holes do not touch, so each can be told apart.
        bool free = true;
        for (int yy = y - 1; yy <= y + 1; ++yy)
            for (int xx = x - 1; xx <= x + 1; ++xx)
                if (xx >= 0 && yy >= 0 && xx < w && yy < h && piece.at(xx, yy) != Hole::None)
                    free = false;
        if (free)
            piece.set(x, y, kinds[rnd.below(6)]);
    }
    return piece;
}

// The open napkin with the piece's holes copied into the other parts, moved
// over instead of mirrored.
Sheet copiedNotMirrored(const Sheet& piece, Folding folding) {
    const bool v = folding != Folding::TopHalf;
    const bool hz = folding != Folding::LeftHalf;
    Sheet out(kSide, kSide);
    for (int y = 0; y < piece.height; ++y)
        for (int x = 0; x < piece.width; ++x) {
            const Hole h = piece.at(x, y);
            out.set(x, y, h);
            if (v)
                out.set(x + piece.width, y, h);
            if (hz)
                out.set(x, y + piece.height, h);
            if (v && hz)
                out.set(x + piece.width, y + piece.height, h);
        }
    return out;
}

// The holes in the right places but with the shapes not mirrored.
Sheet shapesNotMirrored(const Sheet& piece, Folding folding) {
    Sheet out = unfold(piece, folding);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (out.at(x, y) != Hole::None) {
                // The mirrored cell takes the shape of the original hole it came from.
                const int px = x < piece.width ? x : kSide - 1 - x;
                const int py = y < piece.height ? y : kSide - 1 - y;
                out.set(x, y, piece.at(px, py));
            }
    return out;
}

std::vector<int> holeCells(const Sheet& s) {
    std::vector<int> out;
    for (int i = 0; i < int(s.cells.size()); ++i)
        if (s.cells[std::size_t(i)] != Hole::None)
            out.push_back(i);
    return out;
}

Sheet wrongNapkin(const Sheet& piece, Folding folding, const Sheet& right, SeededRandom& rnd, int kind) {
    switch (kind) {
    case 0:
        return copiedNotMirrored(piece, folding);
    case 1:
        return shapesNotMirrored(piece, folding);
    case 2: { // one hole missing outside the folded piece
        Sheet s = right;
        std::vector<int> outside;
        for (int i : holeCells(s))
            if (i % kSide >= piece.width || i / kSide >= piece.height)
                outside.push_back(i);
        if (!outside.empty())
            s.cells[std::size_t(rnd.pick(outside))] = Hole::None;
        return s;
    }
    case 3: { // one hole moved by a cell
        Sheet s = right;
        const std::vector<int> cells = holeCells(s);
        const int from = rnd.pick(cells);
        const int x = from % kSide + (rnd.chance(50) ? 1 : -1);
        const int y = from / kSide;
        if (x >= 0 && x < kSide && s.at(x, y) == Hole::None) {
            s.set(x, y, s.cells[std::size_t(from)]);
            s.cells[std::size_t(from)] = Hole::None;
        }
        return s;
    }
    case 4: // a quarter opened only once: the holes of the lower half are missing
        if (folding == Folding::Quarter) {
            Sheet half(kSide / 2, kSide);
            for (int y = 0; y < piece.height; ++y)
                for (int x = 0; x < piece.width; ++x)
                    half.set(x, y, piece.at(x, y));
            return unfold(half, Folding::LeftHalf);
        }
        return right;
    default: { // an extra hole
        Sheet s = right;
        const int x = rnd.below(kSide), y = rnd.below(kSide);
        if (s.at(x, y) == Hole::None)
            s.set(x, y, Hole::Circle);
        return s;
    }
    }
}

} // namespace

void drawKletka18(PictureJob& job) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        SeededRandom rnd(job.seed(attempt));
        const Folding folding = foldingFor(job.picture);
        const Sheet piece = randomPiece(rnd, folding);
        const Sheet right = unfold(piece, folding);
        std::vector<Sheet> wrong;
        std::vector<int> kinds{0, 1, 2, 3, 4, 5, 2, 3};
        rnd.shuffle(kinds);
        for (int kind : kinds) {
            if (int(wrong.size()) == job.layout.regionCount - 1)
                break;
            takeIfNew(wrong, wrongNapkin(piece, folding, right, rnd, kind), right);
        }
        if (int(wrong.size()) != job.layout.regionCount - 1)
            continue;
        const std::vector<Sheet> shown = candidatesInRegionOrder(job, right, wrong);
        const auto rightOnes = std::count(shown.begin(), shown.end(), unfold(piece, folding));
        if (rightOnes != 1) {
            job.fail(QStringLiteral("%1 napkins unfold from the folded one").arg(rightOnes));
            return;
        }
        // The folded piece in its place inside the dashed outline of the open napkin;
        // the folds are the thick dashed edges.
        QPointF origin;
        double cell;
        napkinGeometry(job.layout.main, origin, cell);
        job.p.save();
        job.p.setPen(QPen(kFoldGuide, 1, Qt::DotLine));
        job.p.setBrush(Qt::NoBrush);
        job.p.drawRect(QRectF(origin, QSizeF(kSide * cell, kSide * cell)));
        job.p.restore();
        drawSheet(job.p, origin, cell, piece);
        job.p.save();
        job.p.setPen(QPen(kCutLine, 2.5, Qt::DashLine));
        if (folding != Folding::TopHalf)
            job.p.drawLine(origin + QPointF(piece.width * cell, 0),
                           origin + QPointF(piece.width * cell, piece.height * cell));
        if (folding != Folding::LeftHalf)
            job.p.drawLine(origin + QPointF(0, piece.height * cell),
                           origin + QPointF(piece.width * cell, piece.height * cell));
        job.p.restore();
        drawCandidates(job, shown, [&](const QRect& region, const Sheet& sheet) {
            napkinGeometry(region, origin, cell);
            drawSheet(job.p, origin, cell, sheet);
        });
        return;
    }
    job.fail(QStringLiteral("no napkin with four wrong unfoldings"));
}

} // namespace zorna::assets::sc
