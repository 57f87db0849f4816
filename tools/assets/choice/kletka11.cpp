// kletka11: a framed picture with a gap marked by a question mark and numbered
// candidate details along the left and bottom edges; one completed picture per
// candidate in kletka11/n/k.jpg. Odd pictures are patterns that continue,
// even ones are scenes whose cut-out part fits.
#include "choice/choice_draw.h"
#include "choice/kletka11_data.h"
#include "common/emoji.h"
#include "common/picture_writer.h"
#include "generators.h"
#include "rules/picture_names.h"

#include "tasks/choice/choice_data.h"

#include <QPainterPath>

#include <functional>
#include <vector>

namespace zorna::assets::choice {

using namespace zorna::choice;

namespace {

using namespace kletka11;

// One tile of a pattern.
struct Tile {
    int shape = 0;  // 0 circle, 1 square, 2 triangle, 3 star, 4 diamond, 5 arrow
    int colour = 0; // index into kColours
    int count = 1;  // how many copies (dots)
    int turn = 0;   // arrow direction in eighths of a turn
    int grow = 2;   // size step 0..4
    bool operator==(const Tile&) const = default;
};

void drawShape(QPainter& p, int shape, const QPointF& c, double r, int turn) {
    QPainterPath path;
    switch (shape) {
    case 0:
        path.addEllipse(c, r, r);
        break;
    case 1:
        path.addRect(QRectF(c.x() - r * 0.85, c.y() - r * 0.85, r * 1.7, r * 1.7));
        break;
    case 2:
        path.moveTo(c.x(), c.y() - r);
        path.lineTo(c.x() + r, c.y() + r * 0.8);
        path.lineTo(c.x() - r, c.y() + r * 0.8);
        path.closeSubpath();
        break;
    case 3:
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double rr = i % 2 ? r * 0.45 : r;
            const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
            i ? path.lineTo(pt) : path.moveTo(pt);
        }
        path.closeSubpath();
        break;
    case 4:
        path.moveTo(c.x(), c.y() - r);
        path.lineTo(c.x() + r * 0.8, c.y());
        path.lineTo(c.x(), c.y() + r);
        path.lineTo(c.x() - r * 0.8, c.y());
        path.closeSubpath();
        break;
    default: { // arrow pointing right, then turned
        QPainterPath a;
        a.moveTo(-r, -r * 0.25);
        a.lineTo(r * 0.2, -r * 0.25);
        a.lineTo(r * 0.2, -r * 0.65);
        a.lineTo(r, 0);
        a.lineTo(r * 0.2, r * 0.65);
        a.lineTo(r * 0.2, r * 0.25);
        a.lineTo(-r, r * 0.25);
        a.closeSubpath();
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(turn * 45);
        path = t.map(a);
    }
    }
    p.drawPath(path);
}

// The tile drawn on a painter scaled by `scale`, so the double-size source is
// drawn sharp rather than blown up.
QImage tileImage(const Tile& t, int size, int scale = 1) {
    ScaledPainting painting(QSize(size, size), scale, QColor(252, 250, 240));
    QPainter& p = painting.painter();
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(kColours[t.colour]);
    const double s = size;
    if (t.count == 1) {
        const double r = s * (0.16 + 0.06 * t.grow);
        drawShape(p, t.shape, QPointF(s / 2, s / 2), r, t.turn);
    } else {
        // Up to six copies in two rows.
        const int perRow = t.count <= 3 ? t.count : (t.count + 1) / 2;
        const int rows = t.count <= 3 ? 1 : 2;
        int drawn = 0;
        for (int row = 0; row < rows; ++row) {
            const int inRow = qMin(perRow, t.count - drawn);
            for (int i = 0; i < inRow; ++i, ++drawn) {
                const double x = s * (i + 0.5) / perRow + (inRow < perRow ? s * 0.5 / perRow : 0);
                const double y = rows == 1 ? s / 2 : s * (row + 0.5) / 2;
                drawShape(p, t.shape, QPointF(x, y), s * 0.11, t.turn);
            }
        }
    }
    return painting.finish();
}

// Draws one candidate detail at the given scale from the content drawn at
// that scale.
using PieceDrawer = std::function<QImage(const QImage& content, int scale)>;

// A task of one picture: the framed content, the gap, the candidates. The
// drawers make the same content and candidates at another scale (for the
// double-size sources) without drawing any random choice again.
struct DetailPlan {
    QImage content;                         // what is inside the frame, complete
    QRect gap;                              // relative to the content
    std::vector<QImage> pieces;             // candidate 1..k at index 0..k-1
    QString note;                           // for the contact sheet
    std::function<QImage(int)> drawContent; // content at a scale
    std::vector<PieceDrawer> drawPieces;    // candidate 1..k at a scale
};

struct PatternRule {
    int rows, columns;
    QPoint gap; // column, row
    std::function<Tile(int row, int column)> tile;
    // Plausible wrong tiles: each changes the right one in some way.
    std::function<std::vector<Tile>(const Tile& right)> wrong;
    const char* note;
};

// The candidates 1..count in order: the right one at `answer`, the wrong ones
// shuffled by the generator under the others.
template <class Candidate>
std::vector<Candidate> candidatesInOrder(std::vector<Candidate> wrong, const Candidate& right, int count,
                                         int answer, Seeded& rnd) {
    for (int i = int(wrong.size()) - 1; i > 0; --i)
        std::swap(wrong[i], wrong[rnd.below(i + 1)]);
    std::vector<Candidate> out;
    std::size_t next = 0;
    for (int k = 1; k <= count; ++k)
        out.push_back(k == answer || next >= wrong.size() ? right : wrong[next++]);
    return out;
}

DetailPlan patternPlan(const PatternRule& rule, int tileSize, int spacing, const QSize& inner, int candidates,
                       int answer, Seeded& rnd, AssetWriter& w, int n) {
    DetailPlan plan;
    const int gridW = rule.columns * tileSize + (rule.columns - 1) * spacing;
    const int gridH = rule.rows * tileSize + (rule.rows - 1) * spacing;
    const QPoint origin((inner.width() - gridW) / 2, (inner.height() - gridH) / 2);
    plan.drawContent = [rule, tileSize, spacing, inner, origin](int scale) {
        QImage content = canvas(inner.width() * scale, inner.height() * scale, QColor(255, 255, 255));
        QPainter p(&content);
        for (int r = 0; r < rule.rows; ++r) {
            for (int c = 0; c < rule.columns; ++c) {
                const QPoint at = origin + QPoint(c * (tileSize + spacing), r * (tileSize + spacing));
                p.drawImage(at * scale, tileImage(rule.tile(r, c), tileSize, scale));
            }
        }
        p.end();
        return content;
    };
    plan.content = plan.drawContent(1);
    plan.gap =
        QRect(origin + QPoint(rule.gap.x() * (tileSize + spacing), rule.gap.y() * (tileSize + spacing)),
              QSize(tileSize, tileSize));
    const Tile right = rule.tile(rule.gap.y(), rule.gap.x());
    const std::vector<Tile> wrong = rule.wrong(right);
    if (int(wrong.size()) < candidates - 1)
        w.fail(QStringLiteral("kletka11/%1: only %2 wrong details").arg(n).arg(wrong.size()));
    for (const Tile& tile : candidatesInOrder(wrong, right, candidates, answer, rnd)) {
        plan.pieces.push_back(tileImage(tile, tileSize));
        plan.drawPieces.push_back(
            [tile, tileSize](const QImage&, int scale) { return tileImage(tile, tileSize, scale); });
    }
    plan.note = QString::fromUtf8(rule.note);
    return plan;
}

// ---- scenes -----------------------------------------------------------------

void drawTree(QPainter& p, double x, double ground, double h) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(x - h * 0.06, ground - h * 0.45, h * 0.12, h * 0.45));
    p.setBrush(QColor(50, 140, 50));
    p.drawEllipse(QPointF(x, ground - h * 0.65), h * 0.3, h * 0.3);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QPointF(x - h * 0.1, ground - h * 0.7), h * 0.045, h * 0.045);
    p.drawEllipse(QPointF(x + h * 0.12, ground - h * 0.58), h * 0.045, h * 0.045);
}

void drawHouse(QPainter& p, const QRectF& r, const QColor& roof) {
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(240, 220, 170));
    p.drawRect(r);
    p.setBrush(roof);
    const QPointF tri[] = {
        {r.left() - 8, r.top()}, {r.center().x(), r.top() - r.height() * 0.6}, {r.right() + 8, r.top()}};
    p.drawPolygon(tri, 3);
    p.setBrush(QColor(150, 200, 250));
    const QRectF win(r.left() + r.width() * 0.12, r.top() + r.height() * 0.2, r.width() * 0.3,
                     r.height() * 0.3);
    p.drawRect(win);
    p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    p.drawLine(QPointF(win.left(), win.center().y()), QPointF(win.right(), win.center().y()));
    p.setBrush(QColor(130, 70, 30));
    p.drawRect(QRectF(r.right() - r.width() * 0.38, r.bottom() - r.height() * 0.55, r.width() * 0.24,
                      r.height() * 0.55));
}

// The scene drawn on a painter scaled by `scale`; its size stays `size` in
// the painter's units.
QImage sceneImage(int kind, const QSize& size, int scale = 1) {
    ScaledPainting painting(size, scale);
    QPainter& p = painting.painter();
    const double W = size.width(), H = size.height();
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0, QColor(120, 180, 240));
    sky.setColorAt(1, QColor(210, 235, 255));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    const double ground = H * 0.68;
    p.setPen(Qt::NoPen);
    switch (kind) {
    case 0: { // village: house, tree, fence, sun
        p.setBrush(QColor(255, 210, 0));
        p.drawEllipse(QPointF(W * 0.85, H * 0.18), 16, 16);
        p.setBrush(QColor(100, 180, 80));
        p.drawRect(QRectF(0, ground, W, H - ground));
        drawHouse(p, QRectF(W * 0.12, ground - H * 0.32, W * 0.3, H * 0.32), QColor(200, 50, 40));
        drawTree(p, W * 0.62, ground, H * 0.55);
        p.setPen(QPen(QColor(150, 100, 50), 3));
        for (double x = W * 0.46; x < W; x += 12)
            p.drawLine(QPointF(x, ground + 4), QPointF(x, ground - 22));
        p.drawLine(QPointF(W * 0.44, ground - 8), QPointF(W, ground - 8));
        p.drawLine(QPointF(W * 0.44, ground - 17), QPointF(W, ground - 17));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 180, 120));
        QPainterPath path;
        path.moveTo(W * 0.3, ground);
        path.cubicTo(W * 0.32, H * 0.85, W * 0.15, H * 0.9, W * 0.18, H);
        path.lineTo(W * 0.34, H);
        path.cubicTo(W * 0.3, H * 0.9, W * 0.4, H * 0.85, W * 0.36, ground);
        path.closeSubpath();
        p.drawPath(path);
        drawEmoji(p, QRect(int(W * 0.72), int(ground + 6), 40, 40), QStringLiteral("🐈"));
        break;
    }
    case 1: { // sea: boat, waves, gulls, island
        p.setBrush(QColor(40, 110, 200));
        p.drawRect(QRectF(0, H * 0.55, W, H * 0.45));
        p.setBrush(QColor(240, 220, 150));
        p.drawEllipse(QRectF(W * 0.62, H * 0.48, W * 0.36, H * 0.18));
        drawTree(p, W * 0.8, H * 0.55, H * 0.4);
        p.setPen(QPen(Qt::white, 2));
        for (int row = 0; row < 3; ++row)
            for (double x = 6 + row * 9; x < W; x += 26)
                p.drawArc(QRectF(x, H * (0.66 + row * 0.1), 16, 8), 0, 180 * 16);
        p.setPen(QPen(QColor(60, 40, 20), 1.2));
        p.setBrush(QColor(190, 60, 40));
        const QPointF hull[] = {
            {W * 0.12, H * 0.58}, {W * 0.46, H * 0.58}, {W * 0.4, H * 0.7}, {W * 0.17, H * 0.7}};
        p.drawPolygon(hull, 4);
        p.drawLine(QPointF(W * 0.29, H * 0.58), QPointF(W * 0.29, H * 0.12));
        p.setBrush(QColor(250, 250, 235));
        const QPointF sail[] = {{W * 0.3, H * 0.14}, {W * 0.44, H * 0.54}, {W * 0.3, H * 0.54}};
        p.drawPolygon(sail, 3);
        p.setBrush(QColor(255, 200, 60));
        const QPointF sail2[] = {{W * 0.28, H * 0.2}, {W * 0.28, H * 0.54}, {W * 0.16, H * 0.54}};
        p.drawPolygon(sail2, 3);
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.setBrush(Qt::NoBrush);
        for (const QPointF& g : {QPointF(W * 0.6, H * 0.15), QPointF(W * 0.7, H * 0.25)}) {
            p.drawArc(QRectF(g.x() - 8, g.y(), 8, 6), 0, 180 * 16);
            p.drawArc(QRectF(g.x(), g.y(), 8, 6), 0, 180 * 16);
        }
        break;
    }
    default: { // winter: snowman, fir trees, sledge hill
        p.setBrush(QColor(245, 248, 255));
        QPainterPath hill;
        hill.moveTo(0, H);
        hill.lineTo(0, H * 0.6);
        hill.cubicTo(W * 0.3, H * 0.4, W * 0.6, H * 0.75, W, H * 0.62);
        hill.lineTo(W, H);
        hill.closeSubpath();
        p.drawPath(hill);
        for (double x : {W * 0.1, W * 0.2, W * 0.88}) {
            p.setBrush(QColor(30, 110, 60));
            const double base = x < W * 0.5 ? H * 0.55 : H * 0.62;
            const QPointF fir[] = {{x, base - H * 0.45}, {x + 20, base}, {x - 20, base}};
            p.drawPolygon(fir, 3);
        }
        p.setPen(QPen(QColor(120, 120, 140), 1.2));
        p.setBrush(Qt::white);
        const double sx = W * 0.55;
        p.drawEllipse(QPointF(sx, H * 0.74), 22, 20);
        p.drawEllipse(QPointF(sx, H * 0.5), 16, 15);
        p.drawEllipse(QPointF(sx, H * 0.3), 12, 11);
        p.setBrush(QColor(230, 60, 40));
        p.drawRect(QRectF(sx - 10, H * 0.14, 20, 10));
        p.setBrush(QColor(255, 140, 0));
        const QPointF nose[] = {{sx, H * 0.3}, {sx + 14, H * 0.32}, {sx, H * 0.34}};
        p.drawPolygon(nose, 3);
        p.setBrush(Qt::black);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(sx, H * 0.45 + i * 8), 2, 2);
        p.setPen(QPen(QColor(120, 70, 30), 2.5));
        p.drawLine(QPointF(sx - 16, H * 0.48), QPointF(sx - 36, H * 0.38));
        p.drawLine(QPointF(sx + 16, H * 0.48), QPointF(sx + 36, H * 0.4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        Seeded r(3);
        for (int i = 0; i < 30; ++i) {
            const double y = r.unit() * H * 0.6;
            const double x = r.unit() * W;
            p.drawEllipse(QPointF(x, y), 2, 2);
        }
        drawEmoji(p, QRect(int(W * 0.72), int(H * 0.62), 44, 30), QStringLiteral("🛷"));
        break;
    }
    }
    return painting.finish();
}

QImage shifted(const QImage& piece, int hueTurn) {
    QImage out = piece.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            QColor c = out.pixelColor(x, y);
            if (c.hsvSaturation() > 40)
                c.setHsv((c.hsvHue() + hueTurn) % 360, c.hsvSaturation(), c.value());
            out.setPixelColor(x, y, c);
        }
    }
    return out;
}

DetailPlan scenePlan(int kind, const QSize& inner, int pieceSize, const QPoint& gapAt,
                     const std::vector<QPoint>& elsewhere, int candidates, int answer, Seeded& rnd,
                     AssetWriter& w, int n) {
    DetailPlan plan;
    plan.drawContent = [kind, inner](int scale) { return sceneImage(kind, inner, scale); };
    plan.content = plan.drawContent(1);
    plan.gap = QRect(gapAt, QSize(pieceSize, pieceSize));
    // A piece is a square of the content, maybe turned over, recoloured or
    // rotated; it is cut at any scale from the content drawn at that scale.
    enum class Change { None, MirrorAcross, MirrorUpDown, Recolour, Rotate };
    const auto cut = [pieceSize](const QPoint& at, Change change) -> PieceDrawer {
        return [at, change, pieceSize](const QImage& content, int scale) {
            const QImage part = content.copy(QRect(at * scale, QSize(pieceSize, pieceSize) * scale));
            switch (change) {
            case Change::MirrorAcross:
                return part.mirrored(true, false);
            case Change::MirrorUpDown:
                return part.mirrored(false, true);
            case Change::Recolour:
                return shifted(part, 150);
            case Change::Rotate:
                return part.transformed(QTransform().rotate(90));
            default:
                return part;
            }
        };
    };
    struct Candidate {
        QImage image; // at scale 1
        PieceDrawer draw;
    };
    const PieceDrawer rightDrawer = cut(gapAt, Change::None);
    const QImage right = rightDrawer(plan.content, 1);
    std::vector<Candidate> wrong;
    for (Change change : {Change::MirrorAcross, Change::MirrorUpDown, Change::Recolour, Change::Rotate}) {
        const PieceDrawer draw = cut(gapAt, change);
        wrong.push_back({draw(plan.content, 1), draw});
    }
    for (const QPoint& at : elsewhere) {
        const PieceDrawer draw = cut(at, Change::None);
        wrong.push_back({draw(plan.content, 1), draw});
    }
    // Keep only wrong pieces that a pupil can tell from the right one and from each other.
    std::vector<Candidate> distinct;
    for (const Candidate& candidate : wrong) {
        bool clear = imageDifference(candidate.image, right) > 12;
        for (const Candidate& kept : distinct)
            clear = clear && imageDifference(candidate.image, kept.image) > 6;
        if (clear)
            distinct.push_back(candidate);
    }
    if (int(distinct.size()) < candidates - 1)
        w.fail(QStringLiteral("kletka11/%1: only %2 clearly wrong pieces").arg(n).arg(distinct.size()));
    for (const Candidate& chosen :
         candidatesInOrder(distinct, Candidate{right, rightDrawer}, candidates, answer, rnd)) {
        plan.pieces.push_back(chosen.image);
        plan.drawPieces.push_back(chosen.draw);
    }
    static const char* names[] = {"село", "море", "зима"};
    plan.note = QString::fromUtf8(names[kind]);
    return plan;
}

// ---- layout -----------------------------------------------------------------

struct Layout {
    QRect frame;              // outer frame, in winMal
    std::vector<QRect> cells; // candidate regions
    int piece;                // size of a detail
};

Layout layoutFor(int picture) {
    Layout l;
    if (detailUsesSeven(picture)) {
        l.frame = QRect(104, 2, 308, 202);
        for (const Twips& t : kDetailSevenTwips)
            l.cells.push_back(boxRect(t.left, t.top, t.width, t.height));
        l.piece = 48;
    } else {
        l.frame = QRect(142, 2, 270, 184);
        for (const Twips& t : kDetailFiveTwips)
            l.cells.push_back(boxRect(t.left, t.top, t.width, t.height));
        l.piece = 64;
    }
    return l;
}

QRect innerOf(const QRect& frame) {
    return frame.adjusted(5, 5, -5, -5);
}

// Draws a picture made at `scale` times its size into the rectangle at `at`
// of `size` painter units: 1:1 in device pixels on a painter of that scale.
void place(QPainter& p, const QPoint& at, const QSize& size, const QImage& image) {
    if (image.size() == size)
        p.drawImage(at, image);
    else
        p.drawImage(QRectF(at, size), image);
}

// The task picture (k = 0: gap with a question mark) or the picture completed
// with candidate k, at the given scale; content and pieces are drawn at that
// scale.
QImage compose(const Layout& l, const QImage& content, const QRect& contentGap,
               const std::vector<QImage>& pieces, int k, const QSize& size, int scale) {
    ScaledPainting painting(size, scale, QColor(238, 238, 230));
    QPainter& p = painting.painter();
    p.setPen(QPen(QColor(30, 60, 160), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(l.frame).adjusted(2, 2, -2, -2));
    const QRect inner = innerOf(l.frame);
    place(p, inner.topLeft(), inner.size(), content);
    const QRect gap = contentGap.translated(inner.topLeft());
    if (k == 0) {
        p.fillRect(gap, Qt::white);
        p.setPen(QPen(QColor(30, 60, 160), 1.5, Qt::DashLine));
        p.drawRect(QRectF(gap).adjusted(0.5, 0.5, -0.5, -0.5));
        drawLabel(p, QStringLiteral("?"), gap, int(l.piece * 0.7), QColor(30, 60, 160));
    } else {
        place(p, gap.topLeft(), gap.size(), pieces[k - 1]);
    }
    const int numberWidth = l.piece == 64 ? 26 : 22;
    for (int i = 0; i < int(l.cells.size()); ++i) {
        const QRect cell = l.cells[i];
        p.setPen(QPen(QColor(160, 160, 150), 1));
        p.setBrush(QColor(250, 250, 246));
        p.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        drawLabel(p, QString::number(i + 1), QRect(cell.left(), cell.top(), numberWidth, cell.height()),
                  l.piece == 64 ? 20 : 16, QColor(30, 60, 160));
        const int x = cell.left() + numberWidth + (cell.width() - numberWidth - l.piece) / 2;
        const int y = cell.top() + (cell.height() - l.piece) / 2;
        place(p, QPoint(x, y), QSize(l.piece, l.piece), pieces[i]);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x - 0.5, y - 0.5, l.piece + 1, l.piece + 1));
    }
    return painting.finish();
}

std::vector<Tile> colourAndShapeSwaps(const Tile& right, int colours, std::initializer_list<int> shapes) {
    std::vector<Tile> out;
    for (int c = 0; c < colours; ++c)
        if (c != right.colour)
            out.push_back({right.shape, c, right.count, right.turn, right.grow});
    for (int s : shapes)
        if (s != right.shape) {
            out.push_back({s, right.colour, right.count, right.turn, right.grow});
            out.push_back({s, (right.colour + 1) % colours, right.count, right.turn, right.grow});
        }
    return out;
}

DetailPlan planFor(int n, const Layout& l, AssetWriter& w) {
    const QSize inner = innerOf(l.frame).size();
    const int answer = kDetailAnswers[n - 1];
    const int candidates = detailCandidates(n);
    Seeded rnd(1100 + n);
    const int piece = l.piece;
    switch (n) {
    case 1: // shapes along the row, colour by row
        return patternPlan({2,
                            4,
                            {2, 1},
                            [](int r, int c) {
                                return Tile{std::array{0, 1, 2, 3}[c], r == 0 ? 0 : 1};
                            },
                            [](const Tile& t) {
                                return colourAndShapeSwaps(t, 3, {0, 1, 3});
                            },
                            "форма за стовпцем, колір за рядком"},
                           piece, 0, inner, candidates, answer, rnd, w, n);
    case 3: // one more dot in every column
        return patternPlan({2,
                            4,
                            {3, 0},
                            [](int r, int c) {
                                return Tile{0, r == 0 ? 2 : 3, c + 1, 0, 0};
                            },
                            [](const Tile& t) {
                                return std::vector<Tile>{{0, t.colour, 3, 0, 0},
                                                         {0, t.colour, 5, 0, 0},
                                                         {0, 3, 4, 0, 0},
                                                         {1, t.colour, 4, 0, 0},
                                                         {0, t.colour, 2, 0, 0}};
                            },
                            "кількість кружечків зростає"},
                           piece, 0, inner, candidates, answer, rnd, w, n);
    case 5: // the arrow turns an eighth of a turn each step
        return patternPlan(
            {2,
             4,
             {1, 1},
             [](int r, int c) {
                 return Tile{5, 1, 1, (r * 4 + c) % 8};
             },
             [](const Tile& t) {
                 std::vector<Tile> out;
                 for (int turn : {(t.turn + 4) % 8, (t.turn + 1) % 8, (t.turn + 7) % 8, (t.turn + 2) % 8})
                     out.push_back({5, 1, 1, turn});
                 return out;
             },
             "стрілка повертається"},
            piece, 0, inner, candidates, answer, rnd, w, n);
    case 7: // shape by row, colour by column
        return patternPlan({3,
                            5,
                            {2, 1},
                            [](int r, int c) {
                                return Tile{std::array{3, 0, 4}[r], c};
                            },
                            [](const Tile& t) {
                                return colourAndShapeSwaps(t, 5, {3, 4, 1});
                            },
                            "форма за рядком, колір за стовпцем"},
                           piece, 6, inner, candidates, answer, rnd, w, n);
    case 9: // circles grow along the row
        return patternPlan({3,
                            5,
                            {3, 2},
                            [](int r, int c) {
                                return Tile{0, std::array{1, 2, 0}[r], 1, 0, c};
                            },
                            [](const Tile& t) {
                                std::vector<Tile> out;
                                for (int g : {0, 1, 2, 4})
                                    if (g != t.grow)
                                        out.push_back({0, t.colour, 1, 0, g});
                                out.push_back({0, 1, 1, 0, t.grow});
                                out.push_back({0, 2, 1, 0, t.grow});
                                out.push_back({1, t.colour, 1, 0, t.grow});
                                return out;
                            },
                            "кружечки в рядку більшають"},
                           piece, 6, inner, candidates, answer, rnd, w, n);
    case 11: // squares and stars alternate, colours go round
        return patternPlan({3,
                            5,
                            {4, 1},
                            [](int r, int c) {
                                return Tile{(r + c) % 2 ? 3 : 1, (r * 5 + c) % 3};
                            },
                            [](const Tile& t) {
                                return colourAndShapeSwaps(t, 3, {1, 3, 0});
                            },
                            "квадрати і зірки чергуються, кольори по колу"},
                           piece, 6, inner, candidates, answer, rnd, w, n);
    case 2:
        return scenePlan(0, inner, piece, {58, 60}, {{150, 40}, {190, 120}}, candidates, answer, rnd, w, n);
    case 4:
        return scenePlan(1, inner, piece, {54, 28}, {{170, 100}, {10, 110}}, candidates, answer, rnd, w, n);
    case 6:
        return scenePlan(2, inner, piece, {150, 58}, {{40, 20}, {230, 140}, {100, 130}}, candidates, answer,
                         rnd, w, n);
    case 8:
        return scenePlan(0, inner, piece, {170, 54}, {{30, 40}, {60, 130}, {250, 110}}, candidates, answer,
                         rnd, w, n);
    default: // 10
        return scenePlan(1, inner, piece, {78, 70}, {{200, 130}, {10, 10}, {150, 20}}, candidates, answer,
                         rnd, w, n);
    }
}

} // namespace

void generateKletka11(AssetWriter& w) {
    const QSize size = boxSize(kDetailPictureTwips.width, kDetailPictureTwips.height);
    ContactSheet sheet(w, rules::taskFolder(11), QString::fromUtf8(kDetailInstruction));
    ContactSheet completed(w, QStringLiteral("kletka11_completed"),
                           QStringLiteral("kletka11: the pictures completed right"));
    for (int n = 1; n <= kDetailPictureCount; ++n) {
        const Layout l = layoutFor(n);
        const DetailPlan plan = planFor(n, l, w);
        const int answer = kDetailAnswers[n - 1];
        if (int(plan.pieces.size()) != detailCandidates(n)) {
            w.fail(QStringLiteral("kletka11/%1: %2 candidates").arg(n).arg(plan.pieces.size()));
            continue;
        }
        // The right candidate is exactly the missing part; every other one differs.
        const QImage missing = plan.content.copy(plan.gap);
        for (int k = 1; k <= detailCandidates(n); ++k) {
            const double d = imageDifference(plan.pieces[k - 1], missing);
            if (k == answer ? d != 0 : d < 3)
                w.fail(QStringLiteral("kletka11/%1: candidate %2 differs from the gap by %3")
                           .arg(n)
                           .arg(k)
                           .arg(d));
        }
        for (int a = 0; a < int(plan.pieces.size()); ++a)
            for (int b = a + 1; b < int(plan.pieces.size()); ++b)
                if (imageDifference(plan.pieces[a], plan.pieces[b]) < 1)
                    w.fail(QStringLiteral("kletka11/%1: candidates %2 and %3 look the same")
                               .arg(n)
                               .arg(a + 1)
                               .arg(b + 1));
        // The double-size sources: the same content and candidates drawn at scale 2.
        const QImage content2 = plan.drawContent(2);
        std::vector<QImage> pieces2;
        for (const PieceDrawer& draw : plan.drawPieces)
            pieces2.push_back(draw(content2, 2));
        // The picture with its gap (k = 0) or completed by candidate k.
        const auto completedBy = [&](int k) {
            return [&, k](int scale) {
                return scale == 1 ? compose(l, plan.content, plan.gap, plan.pieces, k, size, 1)
                                  : compose(l, content2, plan.gap, pieces2, k, size, 2);
            };
        };
        writePicture(w, rules::taskPicture(11, n), completedBy(0),
                     {.jpegQuality = 95,
                      .sheet = &sheet,
                      .caption = QStringLiteral("%1: answer %2 (%3)").arg(n).arg(answer).arg(plan.note),
                      .outline = l.cells[answer - 1]});
        for (int k = 1; k <= detailCandidates(n); ++k)
            writePicture(w, rules::taskFile(11, QStringLiteral("%1/%2.jpg").arg(n).arg(k)), completedBy(k),
                         {.jpegQuality = 95,
                          .sheet = k == answer ? &completed : nullptr,
                          .caption = QStringLiteral("%1/%2.jpg (right)").arg(n).arg(k)});
    }
}

} // namespace zorna::assets::choice
