// kletka19: five different pictures of one subject, one of them twice; every
// look-alike differs from the twin at a glance.
#include "choice/choice_draw.h"
#include "choice/kletka19_data.h"
#include "common/emoji.h"
#include "common/picture_pixels.h"
#include "common/picture_writer.h"
#include "generators.h"
#include "rules/picture_names.h"

#include "tasks/choice/choice_data.h"

#include <QPainterPath>

#include <algorithm>
#include <functional>
#include <vector>

namespace zorna::assets::choice {

using zorna::choice::kPairRegions;

namespace {

using namespace kletka19;

// ---- kletka19: five different pictures of one subject, one of them twice ----

// A subject drawn from a set of details; each detail has a few values.
struct Subject {
    const char* name;
    std::vector<int> options; // number of values of each detail
    std::function<void(QPainter&, const QRectF&, const std::vector<int>&)> draw;
};

// Every detail below covers a large area and its values differ clearly in
// colour or place, so a look-alike differs from the twin at a glance.

void drawHouse(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: roof colour, window glass, door side, chimney, sun, bush
    static const QColor glass[] = {QColor(170, 215, 250), QColor(255, 220, 60), QColor(240, 120, 150)};
    const double l = b.left() + 18, r = b.right() - 18, base = b.bottom() - 14, wallTop = b.top() + 52;
    p.setPen(QPen(Qt::black, 1.2));
    if (d[3]) {
        p.setBrush(QColor(140, 70, 50));
        p.drawRect(QRectF(r - 26, b.top() + 10, 12, 38));
    }
    p.setBrush(kPalette[d[0]]);
    const QPointF roof[] = {{l - 8, wallTop}, {(l + r) / 2, b.top() + 16}, {r + 8, wallTop}};
    p.drawPolygon(roof, 3);
    p.setBrush(QColor(245, 225, 180));
    p.drawRect(QRectF(l, wallTop, r - l, base - wallTop));
    const bool doorLeft = d[2] == 0;
    p.setBrush(QColor(120, 70, 30));
    p.drawRect(QRectF(doorLeft ? l + 8 : r - 28, base - 34, 20, 34));
    p.setBrush(glass[d[1]]);
    p.drawRect(QRectF(doorLeft ? r - 36 : l + 8, wallTop + 10, 28, 24));
    if (d[4]) {
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(QPointF(b.left() + 15, b.top() + 15), 11, 11);
    }
    if (d[5]) {
        p.setBrush(QColor(60, 150, 60));
        p.drawEllipse(QRectF(doorLeft ? r - 14 : l - 12, base - 14, 26, 20));
    }
}

void drawSnowman(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: hat colour, scarf colour, arms raised, broom
    const double cx = b.center().x();
    if (d[3]) {
        // A broom leaning on the left.
        p.setPen(QPen(QColor(120, 80, 40), 3));
        p.drawLine(QPointF(b.left() + 16, b.bottom() - 20), QPointF(b.left() + 22, b.top() + 30));
        p.setPen(QPen(QColor(150, 110, 30), 1));
        p.setBrush(QColor(230, 190, 70));
        const QPointF bristles[] = {{b.left() + 15, b.bottom() - 24},
                                    {b.left() + 4, b.bottom() - 2},
                                    {b.left() + 28, b.bottom() - 2}};
        p.drawPolygon(bristles, 3);
    }
    p.setPen(QPen(QColor(90, 90, 110), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx, b.bottom() - 26), 26, 22);
    p.drawEllipse(QPointF(cx, b.bottom() - 62), 19, 17);
    p.drawEllipse(QPointF(cx, b.top() + 40), 14, 13);
    const double ay = b.bottom() - 66;
    const double handY = d[2] ? ay - 24 : ay + 8;
    p.setPen(QPen(QColor(110, 70, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 18, ay), QPointF(cx - 40, handY));
    p.drawLine(QPointF(cx + 18, ay), QPointF(cx + 40, handY));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(cx - 41, handY), 4.5, 4.5);
    p.drawEllipse(QPointF(cx + 41, handY), 4.5, 4.5);
    p.setBrush(Qt::black);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(cx, b.bottom() - 72 + i * 9), 2.2, 2.2);
    p.drawEllipse(QPointF(cx - 5, b.top() + 37), 2, 2);
    p.drawEllipse(QPointF(cx + 5, b.top() + 37), 2, 2);
    p.setBrush(QColor(255, 140, 0));
    p.setPen(Qt::NoPen);
    const QPointF nose[] = {{cx, b.top() + 40}, {cx, b.top() + 45}, {cx + 14, b.top() + 43}};
    p.drawPolygon(nose, 3);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kPalette[d[0]]);
    p.drawRect(QRectF(cx - 10, b.top() + 10, 20, 18));
    p.drawRect(QRectF(cx - 16, b.top() + 26, 32, 5));
    p.setBrush(kPalette[d[1]]);
    p.drawRect(QRectF(cx - 17, b.top() + 52, 34, 7));
    p.drawRect(QRectF(cx + 6, b.top() + 56, 8, 18));
}

void drawRobot(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: antenna ball colour, head colour, arms raised, body colour, feet colour
    static const QColor heads[] = {QColor(180, 190, 200), QColor(240, 170, 40), QColor(110, 180, 250)};
    static const QColor bodies[] = {QColor(150, 160, 175), QColor(220, 80, 80), QColor(80, 170, 90)};
    const double cx = b.center().x();
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(cx, b.top() + 14), QPointF(cx, b.top() + 24));
    p.setBrush(kPalette[d[0]]);
    p.drawEllipse(QPointF(cx, b.top() + 9), 8, 8);
    p.setBrush(heads[d[1]]);
    const QRectF head(cx - 22, b.top() + 24, 44, 32);
    p.drawRoundedRect(head, 5, 5);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(cx - 9, head.top() + 12), 4, 4);
    p.drawEllipse(QPointF(cx + 9, head.top() + 12), 4, 4);
    p.drawLine(QPointF(cx - 10, head.top() + 24), QPointF(cx + 10, head.top() + 24));
    const QRectF body(cx - 26, head.bottom() + 4, 52, 36);
    // Arms from the shoulders, up or down.
    p.setPen(QPen(QColor(90, 90, 100), 6, Qt::SolidLine, Qt::RoundCap));
    const double handY = d[2] ? body.top() - 20 : body.bottom() - 2;
    p.drawLine(QPointF(body.left(), body.top() + 6), QPointF(body.left() - 16, handY));
    p.drawLine(QPointF(body.right(), body.top() + 6), QPointF(body.right() + 16, handY));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(bodies[d[3]]);
    p.drawRect(body);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(body.left() + 14 + i * 12, body.top() + 12), 4, 4);
    }
    p.setBrush(kPalette[d[4]]);
    p.drawRect(QRectF(cx - 20, body.bottom(), 12, b.bottom() - body.bottom() - 6));
    p.drawRect(QRectF(cx + 8, body.bottom(), 12, b.bottom() - body.bottom() - 6));
}

void drawFish(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: body colour, stripes, tail colour, fin on top, fin below
    const double cx = b.center().x() + 6, cy = b.center().y();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(kPalette[d[2]]);
    const QPointF tail[] = {{cx - 30, cy}, {cx - 54, cy - 22}, {cx - 54, cy + 22}};
    p.drawPolygon(tail, 3);
    if (d[3]) {
        const QPointF fin[] = {{cx - 18, cy - 16}, {cx + 2, cy - 42}, {cx + 16, cy - 16}};
        p.drawPolygon(fin, 3);
    }
    if (d[4]) {
        const QPointF fin[] = {{cx - 14, cy + 16}, {cx - 6, cy + 38}, {cx + 12, cy + 16}};
        p.drawPolygon(fin, 3);
    }
    p.setBrush(kPalette[d[0]]);
    p.drawEllipse(QPointF(cx, cy), 36, 22);
    p.setPen(QPen(QColor(255, 255, 255), 6));
    for (int i = 0; i < d[1]; ++i)
        p.drawLine(QPointF(cx - 16 + i * 14, cy - 18), QPointF(cx - 16 + i * 14, cy + 18));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx + 20, cy - 6), 6, 6);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(cx + 21, cy - 6), 2.5, 2.5);
}

void drawFlowerPot(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: petal colour, bud (none, left, right), pot colour, leaves, centre colour, pot stripe
    static const QColor pots[] = {QColor(190, 90, 50), QColor(70, 110, 200), QColor(120, 120, 120)};
    const double cx = b.center().x();
    const double fy = b.top() + 36;
    p.setPen(QPen(QColor(30, 110, 30), 3));
    p.drawLine(QPointF(cx, fy), QPointF(cx, b.bottom() - 40));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(60, 160, 60));
    if (d[3] >= 1)
        p.drawEllipse(QRectF(cx - 30, fy + 28, 28, 12));
    if (d[3] >= 2)
        p.drawEllipse(QRectF(cx + 2, fy + 18, 28, 12));
    if (d[1]) {
        const double side = d[1] == 1 ? -1 : 1;
        p.setPen(QPen(QColor(30, 110, 30), 3));
        p.drawLine(QPointF(cx, fy + 40), QPointF(cx + side * 30, fy + 8));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(230, 90, 160));
        p.drawEllipse(QPointF(cx + side * 31, fy + 2), 8, 11);
    }
    const int petals = 6;
    p.setBrush(kPalette[d[0]]);
    for (int i = 0; i < petals; ++i) {
        const double a = i * 2 * M_PI / petals;
        p.drawEllipse(QPointF(cx + 15 * std::cos(a), fy + 15 * std::sin(a)), 9, 9);
    }
    p.setBrush(d[4] ? QColor(255, 220, 0) : QColor(120, 70, 30));
    p.drawEllipse(QPointF(cx, fy), 9, 9);
    p.setBrush(pots[d[2]]);
    const QPointF pot[] = {{cx - 28, b.bottom() - 42},
                           {cx + 28, b.bottom() - 42},
                           {cx + 20, b.bottom() - 6},
                           {cx - 20, b.bottom() - 6}};
    p.drawPolygon(pot, 4);
    if (d[5]) {
        p.setPen(QPen(Qt::white, 5));
        p.drawLine(QPointF(cx - 24, b.bottom() - 28), QPointF(cx + 24, b.bottom() - 28));
    }
}

std::vector<Subject> subjects() {
    return {
        {"будиночок", {5, 3, 2, 2, 2, 2}, drawHouse},  {"сніговик", {5, 5, 2, 2}, drawSnowman},
        {"робот", {5, 3, 2, 3, 5}, drawRobot},         {"рибка", {5, 3, 5, 2, 2}, drawFish},
        {"квітка", {5, 3, 3, 3, 2, 2}, drawFlowerPot},
    };
}

// scale 2 draws the same subject on twice as many pixels, for the source of
// screens of double density.
QImage subjectImage(const Subject& s, const std::vector<int>& details, const QSize& size, int scale = 1) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    s.draw(p, QRectF(0, 0, size.width(), size.height()), details);
    p.end();
    return image;
}

} // namespace

void generateKletka19(AssetWriter& w) {
    PairChoiceWindow window(w, 19);
    const auto all = subjects();
    for (int n = 1; n <= window.row().pictureCount; ++n) {
        Seeded rnd(1900 + n);
        const Subject& subject = all[(n - 1) % all.size()];
        const int detailCount = int(subject.options.size());
        std::vector<int> base(detailCount);
        for (int i = 0; i < detailCount; ++i)
            base[i] = rnd.below(subject.options[i]);
        // Four look-alikes, each changing another detail of the twin picture.
        std::vector<int> order(detailCount);
        for (int i = 0; i < detailCount; ++i)
            order[i] = i;
        for (int i = detailCount - 1; i > 0; --i)
            std::swap(order[i], order[rnd.below(i + 1)]);
        std::vector<std::vector<int>> variants;
        for (int v = 0; v < 4; ++v) {
            std::vector<int> d = base;
            const int detail = order[v];
            d[detail] = (base[detail] + 1 + rnd.below(subject.options[detail] - 1)) % subject.options[detail];
            variants.push_back(d);
        }
        const auto pair = window.row().answers[n - 1];
        const QSize cellSize = pairRegionRect(1).size();
        std::vector<QImage> cells(kPairRegions + 1);
        std::vector<std::vector<int>> cellDetails(kPairRegions + 1);
        int next = 0;
        for (int i = 1; i <= kPairRegions; ++i) {
            const bool twin = i == pair.first || i == pair.second;
            cellDetails[i] = twin ? base : variants[next++];
            cells[i] = subjectImage(subject, cellDetails[i], cellSize - QSize(8, 8));
        }
        // The cells drawn at the picture's scale: at 2 each subject is drawn anew on
        // twice the pixels, not enlarged.
        const auto draw = [&](int scale) {
            return paintPairCells(
                window.size(), scale, kBackground, [&](QPainter& p, int i, const QRect& cell) {
                    if (scale == 1)
                        p.drawImage(cell.topLeft() + QPoint(4, 4), cells[i]);
                    else
                        p.drawImage(QRectF(cell.topLeft() + QPoint(4, 4), cellSize - QSize(8, 8)),
                                    subjectImage(subject, cellDetails[i], cellSize - QSize(8, 8), scale));
                });
        };
        const QImage image = window.write(n, draw,
                                          QStringLiteral("%1: %2, pair %3-%4")
                                              .arg(n)
                                              .arg(QString::fromUtf8(subject.name))
                                              .arg(pair.first)
                                              .arg(pair.second),
                                          97);
        // Exactly the pair of the table is identical in the picture as written; every
        // other two cells differ in one area a child sees at once.
        forEveryTwoRegions(pair.first, pair.second, [&](int i, int j, bool isPair) {
            const QRect a = pairRegionRect(i).adjusted(4, 4, -4, -4);
            const QRect b = pairRegionRect(j).adjusted(4, 4, -4, -4);
            if (isPair && image.copy(a) != image.copy(b))
                w.fail(
                    QStringLiteral("kletka19/%1: the pair %2 and %3 is not identical").arg(n).arg(i).arg(j));
            if (isPair)
                return;
            const rules::ChangeMeasure change =
                rules::measureChange(pixelsOf(image, a), pixelsOf(image, b), kClearColourChange);
            if (change.largestArea < kNoticeableArea)
                w.fail(QStringLiteral("kletka19/%1: regions %2 and %3 differ in no area a child sees "
                                      "(largest %4 pixels)")
                           .arg(n)
                           .arg(i)
                           .arg(j)
                           .arg(change.largestArea));
        });
    }
}

} // namespace zorna::assets::choice
