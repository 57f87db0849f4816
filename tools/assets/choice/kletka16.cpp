// kletka16: eleven pictures that fill the window above the question, and the
// question file quetkr16.dat (records of 250 Windows-1251 bytes). Each picture
// shows what its question asks for inside the hit rectangle of the answer
// table, and plausible wrong answers elsewhere.
#include "choice/choice_draw.h"
#include "choice/kletka16_data.h"
#include "common/emoji.h"
#include "common/picture_writer.h"
#include "generators.h"
#include "rules/picture_names.h"

#include "tasks/choice/choice_data.h"

#include <QPainterPath>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <functional>
#include <vector>

namespace zorna::assets::choice {

using namespace zorna::choice;

namespace {

using namespace kletka16;

QRect hitRect(int n) {
    const HitRect& r = kQuestionRects[n - 1];
    return QRect(QPoint(r.x1, r.y1), QPoint(r.x2, r.y2));
}

// What a picture draws: the box of the asked object and the boxes of the
// plausible wrong answers.
struct Drawn {
    QRect answer;
    std::vector<QRect> others;
};

// Decoys scattered over the picture: `count` tries, each a centre drawn by the
// generator (y, then x) inside `centres` and a box of `size` centred on it; a
// box that comes within `margin` of the hit rectangle of picture n is dropped,
// the others are drawn by `draw(box, i)` and kept as wrong answers.
void scatterDecoys(Seeded& rnd, Drawn& d, int n, int count, const QRect& centres, const QSize& size,
                   int margin, const std::function<void(const QRect& box, int i)>& draw) {
    for (int i = 0; i < count; ++i) {
        const int cy = rnd.between(centres.top(), centres.bottom());
        const int cx = rnd.between(centres.left(), centres.right());
        const QRect box(QPoint(cx, cy) - QPoint(size.width() / 2, size.height() / 2), size);
        if (box.adjusted(-margin, -margin, margin, margin).intersects(hitRect(n)))
            continue;
        draw(box, i);
        d.others.push_back(box);
    }
}

bool strictlyInside(const QRect& box, int n) {
    const HitRect& r = kQuestionRects[n - 1];
    return r.x1 < box.left() && box.right() < r.x2 && r.y1 < box.top() && box.bottom() < r.y2;
}

// ---- tangled paths: three starts at the top, three ends at the bottom -------

constexpr std::array<int, 3> kStartX{70, 208, 346};
const std::array<QRect, 3> kEndBox{QRect(12, 190, 74, 72), QRect(156, 190, 66, 72), QRect(324, 190, 74, 72)};

struct Tangle {
    std::array<QString, 3> starts;
    std::array<QString, 3> ends;
    std::array<int, 3> endOf;            // end reached from each start
    int asked;                           // start the question names
    std::array<QColor, 3> startColour{}; // drawn balloons instead of emoji when valid
};

Drawn drawTangle(QPainter& p, const Tangle& t, int seed) {
    Seeded rnd(seed);
    // Waypoints: at every level the three paths take the three lanes in another
    // order, so between two levels they cross one another in clear X shapes.
    const std::array<int, 2> levels{96, 140};
    std::array<std::vector<QPointF>, 3> points;
    for (int s = 0; s < 3; ++s) {
        points[s].push_back(QPointF(kStartX[s], 40));
        points[s].push_back(QPointF(kStartX[s], 54));
    }
    std::array<int, 3> previous{0, 1, 2};
    for (int y : levels) {
        std::array<int, 3> order = previous;
        // Every path changes its lane: one of the two rotations of the three.
        const int step = 1 + rnd.below(2);
        for (int s = 0; s < 3; ++s)
            order[s] = (previous[s] + step) % 3;
        previous = order;
        for (int s = 0; s < 3; ++s)
            points[s].push_back(QPointF(kStartX[order[s]] + rnd.between(-10, 10), y));
    }
    for (int s = 0; s < 3; ++s) {
        const QRect end = kEndBox[t.endOf[s]];
        points[s].push_back(QPointF(end.center().x(), 180));
        points[s].push_back(QPointF(end.center().x(), 192));
    }
    p.setPen(QPen(QColor(70, 60, 50), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int s = 0; s < 3; ++s) {
        const auto& pts = points[s];
        // Straight runs between the waypoints: two paths meet only in clear crossings.
        QPainterPath path(pts.front());
        for (size_t i = 1; i < pts.size(); ++i)
            path.lineTo(pts[i]);
        p.drawPath(path);
    }
    for (int s = 0; s < 3; ++s) {
        const QRect box(kStartX[s] - 22, 2, 44, 40);
        if (t.startColour[s].isValid()) {
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(t.startColour[s]);
            p.drawEllipse(QRectF(box.center().x() - 15, 2, 30, 36));
            p.setBrush(Qt::white);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(box.center().x() - 6, 12), 4, 6);
        } else {
            drawEmoji(p, box, t.starts[s]);
        }
    }
    Drawn d;
    for (int e = 0; e < 3; ++e) {
        const QRect box = kEndBox[e];
        drawEmoji(p, box.adjusted(4, 6, -4, -4), t.ends[e]);
        if (e == t.endOf[t.asked])
            d.answer = box;
        else
            d.others.push_back(box);
    }
    return d;
}

void meadow(QPainter& p, const QSize& size) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(215, 236, 255));
    g.setColorAt(1, QColor(190, 230, 170));
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

// ---- the other pictures -----------------------------------------------------

void drawPencil(QPainter& p, const QRect& box, const QColor& colour) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(colour);
    p.drawRect(QRectF(box.left(), box.top() + 18, box.width(), box.height() - 18));
    p.setBrush(QColor(240, 210, 160));
    const QPointF tip[] = {{double(box.left()), box.top() + 18.0},
                           {box.center().x() + 0.5, double(box.top())},
                           {box.right() + 1.0, box.top() + 18.0}};
    p.drawPolygon(tip, 3);
    p.setBrush(QColor(50, 50, 50));
    const QPointF lead[] = {{box.center().x() - 3.0, box.top() + 6.0},
                            {box.center().x() + 0.5, double(box.top())},
                            {box.center().x() + 4.0, box.top() + 6.0}};
    p.drawPolygon(lead, 3);
    p.setBrush(QColor(240, 150, 170));
    p.drawRect(QRectF(box.left(), box.bottom() - 8, box.width(), 8));
}

Drawn drawPencils(QPainter& p, const QSize& size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(245, 238, 225));
    p.fillRect(QRect(0, 152, size.width(), size.height() - 152), QColor(200, 160, 110));
    p.fillRect(QRect(0, 152, size.width(), 6), QColor(150, 100, 60));
    Drawn d;
    const std::array<int, 7> xs{28, 96, 150, 204, 258, 312, 366};
    const std::array<int, 7> lengths{138, 112, 96, 124, 88, 104, 118};
    const std::array<QColor, 7> colours{QColor(40, 130, 220), QColor(220, 50, 50),  QColor(40, 160, 70),
                                        QColor(240, 190, 20), QColor(150, 70, 190), QColor(240, 120, 30),
                                        QColor(40, 130, 220)};
    for (int i = 0; i < 7; ++i) {
        const QRect box(xs[i], 150 - lengths[i], 18, lengths[i]);
        drawPencil(p, box, colours[i]);
        i == 0 ? void(d.answer = box) : d.others.push_back(box);
    }
    drawEmoji(p, QRect(60, 182, 70, 70), QStringLiteral("📒"));
    drawEmoji(p, QRect(250, 190, 60, 60), QStringLiteral("✂️"));
    return d;
}

void drawFishShape(QPainter& p, const QRect& box, const QColor& colour, bool right) {
    p.save();
    p.translate(box.center());
    if (right)
        p.scale(-1, 1);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(colour);
    const double w = box.width() / 2.0, h = box.height() / 2.0;
    const QPointF tail[] = {{w * 0.45, 0}, {w, -h}, {w, h}};
    p.drawPolygon(tail, 3);
    p.drawEllipse(QPointF(-w * 0.15, 0), w * 0.8, h * 0.85);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-w * 0.6, -h * 0.2), 3, 3);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-w * 0.62, -h * 0.2), 1.4, 1.4);
    p.restore();
}

Drawn drawFishes(QPainter& p, const QSize& size, int n) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(90, 170, 230));
    g.setColorAt(1, QColor(20, 80, 150));
    p.fillRect(QRect(QPoint(0, 0), size), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 210, 150));
    p.drawRect(QRect(0, 246, size.width(), 26));
    p.setPen(QPen(QColor(40, 140, 60), 4));
    for (int x : {30, 120, 250, 330})
        p.drawLine(QPointF(x, 250), QPointF(x + 6, 200));
    Drawn d;
    d.answer = QRect(350, 96, 44, 26);
    drawFishShape(p, d.answer, QColor(250, 150, 30), true);
    const std::array<QPoint, 9> at{QPoint(20, 20),   QPoint(110, 40),  QPoint(220, 24),
                                   QPoint(60, 110),  QPoint(170, 120), QPoint(270, 90),
                                   QPoint(120, 190), QPoint(240, 180), QPoint(330, 196)};
    Seeded rnd(1600 + n);
    for (const QPoint& pt : at) {
        const QRect box(pt, QSize(44, 26));
        drawFishShape(p, box, QColor(250, 150 + rnd.between(-30, 30), 30), false);
        d.others.push_back(box);
    }
    p.setPen(QPen(QColor(220, 240, 255), 1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i)
        p.drawEllipse(QPointF(300 + (i % 3) * 6, 20 + i * 10), 3, 3);
    return d;
}

void drawStar(QPainter& p, const QPointF& c, double r, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double a = -M_PI / 2 + i * M_PI / points;
        const double rr = i % 2 ? r * 0.42 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        i ? path.lineTo(pt) : path.moveTo(pt);
    }
    path.closeSubpath();
    p.drawPath(path);
}

void drawSnowflake(QPainter& p, const QPointF& c, double r) {
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        const QPointF tip(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        p.drawLine(c, tip);
        const QPointF mid(c.x() + r * 0.6 * std::cos(a), c.y() + r * 0.6 * std::sin(a));
        for (double side : {-0.6, 0.6})
            p.drawLine(
                mid, QPointF(mid.x() + r * 0.3 * std::cos(a + side), mid.y() + r * 0.3 * std::sin(a + side)));
    }
}

Drawn drawSnowNight(QPainter& p, const QSize& size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 240, 250));
    p.drawRect(QRect(0, 210, size.width(), 62));
    p.setBrush(QColor(130, 60, 40));
    p.drawRect(QRect(150, 150, 110, 62));
    p.setBrush(QColor(80, 80, 90));
    const QPointF roof[] = {{140, 152}, {205, 112}, {270, 152}};
    p.drawPolygon(roof, 3);
    p.setBrush(QColor(255, 220, 100));
    p.drawRect(QRect(170, 168, 22, 20));
    Drawn d;
    d.answer = QRect(340, 12, 25, 25);
    p.setPen(QPen(QColor(210, 225, 255), 1));
    p.setBrush(QColor(210, 225, 255));
    drawStar(p, QPointF(352.5, 24.5), 12, 5);
    p.setPen(QPen(QColor(210, 225, 255), 2, Qt::SolidLine, Qt::RoundCap));
    Seeded rnd(1607);
    int placed = 0;
    for (int attempt = 0; placed < 26 && attempt < 2000; ++attempt) {
        const int cy = rnd.between(14, 196);
        const int cx = rnd.between(14, 402);
        const QPoint c(cx, cy);
        const QRect box(c - QPoint(12, 12), QSize(25, 25));
        bool free =
            !box.adjusted(-6, -6, 6, 6).intersects(hitRect(7)) && !box.intersects(QRect(140, 108, 132, 104));
        for (const QRect& o : d.others)
            free = free && !o.adjusted(-4, -4, 4, 4).intersects(box);
        if (!free)
            continue;
        drawSnowflake(p, c, 11);
        d.others.push_back(box);
        ++placed;
    }
    return d;
}

Drawn drawSkyline(QPainter& p, const QSize& size) {
    QLinearGradient g(0, 0, 0, 126);
    g.setColorAt(0, QColor(250, 200, 150));
    g.setColorAt(1, QColor(255, 240, 210));
    p.fillRect(QRect(0, 0, size.width(), 127), g);
    p.fillRect(QRect(0, 127, size.width(), 40), QColor(110, 110, 110));
    p.fillRect(QRect(0, 167, size.width(), 105), QColor(70, 140, 200));
    p.setPen(QPen(Qt::white, 2, Qt::DashLine));
    p.drawLine(0, 147, size.width(), 147);
    Drawn d;
    const std::array<QRect, 8> buildings{
        QRect(60, 12, 33, 114),  QRect(8, 54, 40, 72),   QRect(104, 40, 44, 86), QRect(160, 66, 50, 60),
        QRect(222, 26, 38, 100), QRect(272, 58, 46, 68), QRect(330, 34, 36, 92), QRect(376, 70, 34, 56)};
    const std::array<QColor, 8> colours{QColor(120, 130, 160), QColor(190, 120, 90),  QColor(150, 160, 120),
                                        QColor(200, 170, 110), QColor(110, 150, 170), QColor(170, 110, 140),
                                        QColor(140, 140, 140), QColor(200, 140, 90)};
    for (int i = 0; i < 8; ++i) {
        const QRect b = buildings[i];
        p.setPen(QPen(QColor(50, 50, 60), 1));
        p.setBrush(colours[i]);
        p.drawRect(b);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 150));
        for (int y = b.top() + 6; y + 8 < b.bottom(); y += 13)
            for (int x = b.left() + 5; x + 7 < b.right(); x += 11)
                p.drawRect(QRect(x, y, 6, 7));
        i == 0 ? void(d.answer = b) : d.others.push_back(b);
    }
    drawEmoji(p, QRect(40, 128, 44, 36), QStringLiteral("🚌"));
    drawEmoji(p, QRect(280, 130, 36, 30), QStringLiteral("🚗"));
    drawEmoji(p, QRect(200, 190, 60, 60), QStringLiteral("⛵"));
    return d;
}

void drawApples(QPainter& p, const QRect& card, int count) {
    p.setPen(QPen(QColor(120, 100, 60), 1.5));
    p.setBrush(QColor(255, 252, 235));
    p.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    for (int i = 0; i < count; ++i) {
        const int col = i % 3, row = i / 3;
        drawEmoji(p, QRect(card.left() + 3 + col * 20, card.top() + 8 + row * 24, 20, 20),
                  QStringLiteral("🍎"));
    }
}

Drawn drawBirdsAndCards(QPainter& p, const QSize& size, int& birds, std::vector<int>& counts) {
    meadow(p, size);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 75, 40));
    p.drawRect(QRect(196, 90, 22, 100));
    p.setPen(QPen(QColor(110, 75, 40), 6));
    p.drawLine(207, 120, 140, 80);
    p.drawLine(207, 110, 280, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 60));
    p.drawEllipse(QRect(110, 10, 200, 110));
    birds = 4;
    const std::array<QPoint, 4> at{QPoint(140, 40), QPoint(190, 20), QPoint(240, 50), QPoint(170, 74)};
    for (const QPoint& b : at)
        drawEmoji(p, QRect(b, QSize(30, 30)), QStringLiteral("🐦"));
    drawEmoji(p, QRect(20, 120, 60, 60), QStringLiteral("🐈"));
    counts = {3, 5, 4, 2};
    const std::array<QRect, 4> cards{QRect(14, 202, 62, 62), QRect(116, 202, 62, 62), QRect(218, 202, 62, 62),
                                     QRect(320, 202, 62, 62)};
    Drawn d;
    for (int i = 0; i < 4; ++i) {
        drawApples(p, cards[i], counts[i]);
        counts[i] == birds ? void(d.answer = cards[i]) : d.others.push_back(cards[i]);
    }
    return d;
}

Drawn drawBush(QPainter& p, const QSize& size) {
    meadow(p, size);
    Seeded rnd(1610);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 40));
    p.drawEllipse(QRect(10, 40, 260, 200));
    p.drawEllipse(QRect(200, 90, 200, 160));
    for (int i = 0; i < 140; ++i) {
        const int cy = rnd.between(50, 240);
        const int cx = rnd.between(20, 390);
        const QPointF c(cx, cy);
        const int blue = 30 + rnd.below(30);
        const int green = 110 + rnd.below(70);
        const int red = 30 + rnd.below(50);
        p.setBrush(QColor(red, green, blue));
        p.save();
        p.translate(c);
        p.rotate(rnd.below(180));
        p.drawEllipse(QRectF(-9, -4, 18, 8));
        p.restore();
    }
    Drawn d;
    // red berries, round and without spots
    scatterDecoys(rnd, d, 10, 16, QRect(QPoint(30, 60), QPoint(380, 230)), QSize(11, 11), 8,
                  [&](const QRect& box, int) {
                      p.setBrush(QColor(200, 20, 30));
                      p.drawEllipse(box);
                  });
    // the ladybird: red back, black head, spots and the line between the wings
    d.answer = QRect(58, 98, 13, 13);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(61.5, 98, 6, 5));
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QRectF(58.5, 101, 12, 10));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(64.5, 101), QPointF(64.5, 111));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QPointF& s : {QPointF(61.5, 104), QPointF(67.5, 104), QPointF(62, 108), QPointF(67, 108)})
        p.drawEllipse(s, 1.2, 1.2);
    return d;
}

Drawn drawGrassKey(QPainter& p, const QSize& size) {
    meadow(p, size);
    drawEmoji(p, QRect(250, 60, 90, 90), QStringLiteral("🧒"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 170, 70));
    p.drawRect(QRect(0, 160, size.width(), 112));
    Drawn d;
    Seeded rnd(1611);
    // stones and twigs
    scatterDecoys(rnd, d, 11, 14, QRect(QPoint(16, 176), QPoint(400, 260)), QSize(20, 10), 6,
                  [&](const QRect& box, int i) {
                      if (i % 2) {
                          p.setPen(Qt::NoPen);
                          p.setBrush(QColor(150, 150, 145));
                          p.drawEllipse(box);
                      } else {
                          p.setPen(QPen(QColor(120, 80, 40), 2.5));
                          p.drawLine(box.topLeft(), box.bottomRight());
                      }
                  });
    // the key
    d.answer = QRect(67, 222, 19, 13);
    p.setPen(QPen(QColor(140, 110, 0), 1));
    p.setBrush(QColor(240, 200, 40));
    p.drawEllipse(QRectF(67.5, 223, 9, 9));
    p.setBrush(QColor(90, 170, 70));
    p.drawEllipse(QRectF(70.5, 226, 3, 3));
    p.setBrush(QColor(240, 200, 40));
    p.drawRect(QRectF(76, 226, 9, 3));
    p.drawRect(QRectF(81, 229, 2, 3));
    p.drawRect(QRectF(78, 229, 2, 2.5));
    // blades of grass over everything, the key stays visible
    p.setPen(QPen(QColor(50, 130, 40), 1.5));
    for (int i = 0; i < 260; ++i) {
        const int by = rnd.between(168, 271);
        const int bx = rnd.between(0, 415);
        const QPointF b(bx, by);
        if (QRectF(d.answer).adjusted(-1, -1, 1, 1).contains(b))
            continue;
        const int rise = rnd.between(5, 10);
        const int lean = rnd.between(-3, 3);
        p.drawLine(b, b + QPointF(lean, -rise));
    }
    return d;
}

// The question as a record of the file: Windows-1251, padded with spaces.
// Null when the text does not fit the code page or the record.
QByteArray questionRecord(const QString& text) {
    QStringEncoder encode("windows-1251");
    QStringDecoder decode("windows-1251");
    if (!encode.isValid() || !decode.isValid())
        return {};
    QByteArray bytes = encode(text);
    if (encode.hasError() || bytes.size() > kQuestionRecord || QString(decode(bytes)) != text)
        return {};
    return bytes.leftJustified(kQuestionRecord, ' ');
}

} // namespace

void generateKletka16(AssetWriter& w) {
    const QSize size(kQuestionPictureWidth, kQuestionPictureHeight);
    ContactSheet sheet(w, rules::taskFolder(16), QStringLiteral("kletka16: the question under each picture"));
    QByteArray file;
    for (int n = 1; n <= kQuestionPictureCount; ++n) {
        // scale 2 gives the source for screens of double density.
        const auto draw = [&](int scale, Drawn& d) {
            ScaledPainting painting(size, scale);
            QPainter& p = painting.painter();
            switch (n) {
            case 1:
                meadow(p, size);
                d = drawTangle(p, {{"🐰", "🦊", "🐻"}, {"🏠", "🏠", "🏠"}, {2, 0, 1}, 0}, 1601);
                break;
            case 2: {
                meadow(p, size);
                Tangle t{{"", "", ""}, {"🧒", "👧", "👦"}, {1, 2, 0}, 2};
                t.startColour = {QColor(220, 40, 40), QColor(40, 170, 60), QColor(40, 90, 230)};
                d = drawTangle(p, t, 1602);
                break;
            }
            case 3:
                meadow(p, size);
                d = drawTangle(p, {{"🐝", "🦋", "🐞"}, {"🌷", "🌼", "🌻"}, {0, 2, 1}, 1}, 1603);
                break;
            case 4:
                meadow(p, size);
                d = drawTangle(p, {{"🐶", "🐱", "🐭"}, {"🥣", "🥣", "🥣"}, {2, 1, 0}, 1}, 1604);
                break;
            case 5:
                d = drawPencils(p, size);
                break;
            case 6:
                d = drawFishes(p, size, n);
                break;
            case 7:
                d = drawSnowNight(p, size);
                break;
            case 8:
                d = drawSkyline(p, size);
                break;
            case 9: {
                int birds = 0;
                std::vector<int> counts;
                d = drawBirdsAndCards(p, size, birds, counts);
                if (std::count(counts.begin(), counts.end(), birds) != 1)
                    w.fail(QStringLiteral("kletka16/9: %1 cards match the birds")
                               .arg(std::count(counts.begin(), counts.end(), birds)));
                break;
            }
            case 10:
                d = drawBush(p, size);
                break;
            default:
                d = drawGrassKey(p, size);
                break;
            }
            return painting.finish();
        };
        const QString question = QString::fromUtf8(kQuestions[n - 1]);
        // What the picture shows where, as drawn at its own size.
        Drawn d;
        writePicture(w, rules::taskPicture(16, n),
                     [&](int scale) {
                         Drawn drawn;
                         const QImage image = draw(scale, drawn);
                         if (scale == 1)
                             d = drawn;
                         return image;
                     },
                     {.jpegQuality = 95,
                      .sheet = &sheet,
                      .caption = QStringLiteral("%1: %2").arg(n).arg(question),
                      .outline = hitRect(n)});
        if (!strictlyInside(d.answer, n))
            w.fail(QStringLiteral("kletka16/%1: the asked object lies outside the hit rectangle").arg(n));
        if (d.others.empty())
            w.fail(QStringLiteral("kletka16/%1: nothing plausible to mistake").arg(n));
        for (const QRect& o : d.others)
            if (o.intersects(hitRect(n)))
                w.fail(QStringLiteral("kletka16/%1: a wrong answer reaches into the hit rectangle").arg(n));
        const QByteArray record = questionRecord(question);
        if (record.isEmpty())
            w.fail(QStringLiteral("kletka16/%1: the question does not fit a Windows-1251 record").arg(n));
        file.append(record);
    }
    w.file(rules::taskFile(16, QStringLiteral("quetkr16.dat")), file);
}

} // namespace zorna::assets::choice
