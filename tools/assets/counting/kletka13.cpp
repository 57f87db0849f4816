// kletka13: eleven film stories of four frames each, told by pictures alone.
// Each story changes in one direction only (something is built, made, eaten or burns), so only one
// order can be defended.
#include "common/emoji.h"
#include "counting/film_scenes.h"
#include "counting/kletka13_data.h"
#include "generators.h"

#include <QPainterPath>

namespace zorna::assets {

namespace {

using namespace film;
using namespace kletka13;

void house(QPainter& p, int t) {
    sky(p);
    outlinePen(p, 1.2);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(44, 84, 80, 6));
    if (t >= 1) {
        p.setBrush(QColor(220, 120, 80));
        const double h = t == 1 ? 20 : 40;
        p.drawRect(QRectF(48, 84 - h, 72, h));
    }
    if (t >= 2) {
        p.setBrush(QColor(170, 50, 40));
        p.drawPolygon(QPolygonF{{40, 44}, {84, 12}, {128, 44}});
    }
    if (t == 3) {
        p.setBrush(QColor(250, 230, 120));
        p.drawRect(QRectF(56, 54, 16, 14));
        p.setBrush(QColor(120, 70, 40));
        p.drawRect(QRectF(90, 58, 16, 26));
    }
}

void tower(QPainter& p, int t) {
    room(p, QColor(240, 235, 250), QColor(190, 160, 120));
    const QColor colours[] = {QColor(220, 60, 60), QColor(60, 130, 220), QColor(240, 200, 40),
                              QColor(70, 170, 80)};
    outlinePen(p, 1.2);
    for (int i = 0; i <= t; ++i) {
        p.setBrush(colours[i]);
        const double w = 56 - 10 * i;
        p.drawRect(QRectF(84 - w / 2, 86 - 18 * (i + 1), w, 18));
    }
}

void sandwich(QPainter& p, int t) {
    room(p, QColor(250, 245, 230), QColor(160, 200, 220));
    outlinePen(p, 1.2);
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(QRectF(30, 76, 110, 18));
    p.setBrush(QColor(230, 190, 120));
    p.drawRoundedRect(QRectF(44, 66, 82, 14), 6, 6);
    if (t >= 1) {
        p.setBrush(QColor(250, 210, 60));
        p.drawPolygon(QPolygonF{{42, 66}, {128, 66}, {122, 58}, {48, 58}});
    }
    if (t >= 2) {
        p.setBrush(QColor(220, 50, 40));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QRectF(50 + 24 * i, 50, 22, 9));
    }
    if (t >= 3) {
        p.setBrush(QColor(230, 190, 120));
        p.drawRoundedRect(QRectF(44, 34, 82, 16), 8, 8);
    }
}

void iceCream(QPainter& p, int t) {
    sky(p, QColor(255, 230, 240), QColor(250, 210, 225), 95);
    outlinePen(p, 1.2);
    p.setBrush(QColor(220, 170, 100));
    p.drawPolygon(QPolygonF{{70, 66}, {98, 66}, {84, 104}});
    const QColor scoops[] = {QColor(250, 245, 220), QColor(240, 150, 180), QColor(140, 90, 60)};
    for (int i = 0; i < qMin(t + 1, 3); ++i) {
        p.setBrush(scoops[i]);
        p.drawEllipse(QPointF(84, 60 - 17 * i), 16, 13);
    }
    if (t == 3) {
        p.setBrush(QColor(210, 20, 40));
        p.drawEllipse(QPointF(84, 11), 6, 6);
    }
}

void smiley(QPainter& p, int t) {
    p.fillRect(0, 0, kW, kH, QColor(250, 250, 245));
    p.setPen(QPen(QColor(30, 60, 160), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(84, 54), 38, 38);
    if (t >= 1) {
        p.setBrush(QColor(30, 60, 160));
        p.drawEllipse(QPointF(70, 44), 4, 5);
        p.drawEllipse(QPointF(98, 44), 4, 5);
        p.setBrush(Qt::NoBrush);
    }
    if (t >= 2)
        p.drawArc(QRectF(64, 42, 40, 36), 200 * 16, 140 * 16);
    if (t >= 3) {
        p.setPen(QPen(QColor(200, 120, 40), 3));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(60 + 12 * i, 18), QPointF(58 + 12 * i, 8));
    }
    // The pencil that draws.
    if (t < 3)
        drawEmoji(p, QRectF(124, 56, 40, 40), QStringLiteral("✏️"));
}

void dominoes(QPainter& p, int t) {
    room(p, QColor(230, 240, 250), QColor(150, 110, 80));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(40, 40, 40));
    // Five dominoes; the first t + 1 ... fall one after another from the left.
    const int fallen = QList<int>{0, 2, 4, 5}[t];
    for (int i = 0; i < 5; ++i) {
        const double x = 26 + 26 * i;
        p.save();
        p.translate(x + 10, 86);
        if (i < fallen)
            p.rotate(i == 4 ? 90 : 62);
        p.drawRect(QRectF(-10, -40, 10, 40));
        p.setPen(QPen(Qt::white, 1));
        p.drawLine(QPointF(-9, -20), QPointF(-1, -20));
        p.setPen(QPen(Qt::black, 1.2));
        p.restore();
    }
    if (t == 0)
        drawEmoji(p, QRectF(0, 30, 24, 24), QStringLiteral("👉"));
}

void pizza(QPainter& p, int t) {
    room(p, QColor(250, 240, 225), QColor(200, 60, 60));
    const int left = QList<int>{8, 6, 3, 1}[t]; // slices left of eight
    outlinePen(p, 1.2);
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(QPointF(84, 54), 46, 46);
    for (int i = 0; i < left; ++i) {
        p.setBrush(QColor(245, 190, 70));
        p.drawPie(QRectF(44, 14, 80, 80), i * 45 * 16, 45 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    for (int i = 0; i < left; ++i) {
        const double a = (i * 45 + 22.5) * 3.14159265 / 180.0;
        p.drawEllipse(QPointF(84 + 24 * std::cos(a), 54 - 24 * std::sin(a)), 5, 5);
    }
}

void chocolate(QPainter& p, int t) {
    room(p, QColor(245, 235, 240), QColor(190, 150, 110));
    const int left = QList<int>{12, 8, 4, 1}[t];
    outlinePen(p, 1);
    p.setBrush(QColor(230, 230, 240));
    p.drawRect(QRectF(30, 18, 110, 72)); // foil
    for (int i = 0; i < left; ++i) {
        const int col = i % 4;
        const int row = i / 4;
        p.setBrush(QColor(110, 60, 30));
        p.drawRect(QRectF(36 + 25 * col, 24 + 21 * row, 23, 19));
        p.setBrush(QColor(140, 80, 40));
        p.drawRect(QRectF(40 + 25 * col, 28 + 21 * row, 15, 11));
    }
}

void nest(QPainter& p, int t) {
    sky(p, QColor(200, 235, 250), QColor(120, 90, 60), 90);
    p.setPen(QPen(QColor(110, 80, 50), 6));
    p.drawLine(QPointF(0, 84), QPointF(169, 78));
    if (t == 3)
        drawEmoji(p, QRectF(108, 8, 44, 40), QStringLiteral("🐦"));
    if (t == 1)
        for (int i = 0; i < 3; ++i)
            drawEmoji(p, QRectF(62 + 14 * i, 52, 16, 22), QStringLiteral("🥚"));
    if (t >= 2)
        for (int i = 0; i < 3; ++i)
            drawEmoji(p, QRectF(56 + 18 * i, 44, 22, 26), QStringLiteral("🐤"));
    outlinePen(p, 1);
    p.setBrush(QColor(170, 120, 60));
    p.drawChord(QRectF(48, 48, 74, 44), 180 * 16, 180 * 16);
    if (t == 0) {
        // Twigs carried in: the nest is still being made.
        p.setPen(QPen(QColor(120, 80, 40), 2));
        p.drawLine(QPointF(120, 30), QPointF(140, 24));
        drawEmoji(p, QRectF(126, 8, 36, 32), QStringLiteral("🐦"));
    }
}

void campfire(QPainter& p, int t) {
    sky(p, QColor(40, 50, 90), QColor(70, 60, 50), 80);
    outlinePen(p, 1);
    p.setBrush(QColor(120, 70, 40));
    const double logs = QList<double>{1.0, 0.85, 0.6, 0.4}[t];
    p.drawRoundedRect(QRectF(84 - 36 * logs, 84, 72 * logs, 10), 4, 4);
    p.drawRoundedRect(QRectF(84 - 30 * logs, 76, 60 * logs, 10), 4, 4);
    const double flame = QList<double>{30, 62, 34, 0}[t];
    if (flame > 0)
        drawEmoji(p, QRectF(84 - flame / 2, 78 - flame, flame, flame), QStringLiteral("🔥"));
    if (t == 0) { // just lit with a match
        p.setPen(QPen(QColor(230, 200, 150), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(150, 70), QPointF(120, 56));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 30));
        p.drawEllipse(QPointF(119, 55), 4, 4);
    }
    if (t == 3) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 170, 180, 170));
        p.drawEllipse(QPointF(80, 62), 9, 7);
        p.drawEllipse(QPointF(88, 46), 11, 8);
        p.drawEllipse(QPointF(80, 28), 13, 9);
    }
}

void cake(QPainter& p, int t) {
    room(p, QColor(240, 230, 250), QColor(170, 130, 100));
    outlinePen(p, 1.2);
    p.setBrush(QColor(220, 220, 230));
    p.drawEllipse(QRectF(34, 80, 100, 12));
    p.setBrush(QColor(200, 150, 90));
    p.drawRect(QRectF(44, 54, 80, 32));
    if (t >= 1) {
        p.setBrush(QColor(255, 240, 245));
        QPainterPath cream;
        cream.moveTo(44, 54);
        for (int i = 0; i < 8; ++i)
            cream.quadTo(49 + 10 * i, 68, 54 + 10 * i, 58);
        cream.lineTo(124, 48);
        cream.lineTo(44, 48);
        cream.closeSubpath();
        p.drawPath(cream);
    }
    if (t >= 2) {
        p.setBrush(QColor(120, 190, 240));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(62 + 20 * i, 28, 6, 20));
    }
    if (t == 3) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 190, 40));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QRectF(61 + 20 * i, 16, 8, 12));
    }
}

} // namespace

void generateKletka13(AssetWriter& w) {
    const film::Draw drawers[] = {house, tower,     sandwich, iceCream, smiley, dominoes,
                                  pizza, chocolate, nest,     campfire, cake};
    film::writeFilmStories(w, 13, kStoryNames, drawers);
}

} // namespace zorna::assets
