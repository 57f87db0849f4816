// The film stories of the two frame-ordering windows: eleven stories of four
// frames each per window, told by pictures alone. Each story changes in one
// direction only (something grows, fills, burns down, falls and breaks, is
// built or eaten), so only one order can be defended.
#include "common/emoji.h"
#include "generators.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/counting/film_tables.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace zorna::assets {

namespace {

constexpr int kW = tw(kFilmFrameWidthTwips);
constexpr int kH = tw(kFilmFrameHeightTwips);

using Draw = std::function<void(QPainter&, int t)>; // t = 0..3, the story's frame

void sky(QPainter& p, QColor top = QColor(170, 215, 250), QColor ground = QColor(120, 190, 90),
         int horizon = 82) {
    p.fillRect(0, 0, kW, horizon, top);
    p.fillRect(0, horizon, kW, kH - horizon, ground);
}

void room(QPainter& p, QColor wall = QColor(250, 236, 210), QColor table = QColor(170, 120, 80)) {
    p.fillRect(0, 0, kW, kH, wall);
    p.fillRect(0, 86, kW, kH - 86, table);
    p.fillRect(0, 86, kW, 4, table.darker(130));
}

void outlinePen(QPainter& p, double width = 1.5) {
    p.setPen(QPen(QColor(50, 40, 30), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// --- the stories ---

void plant(QPainter& p, int t) {
    sky(p, QColor(200, 230, 250), QColor(230, 220, 200), 90);
    outlinePen(p);
    p.setBrush(QColor(190, 95, 50));
    p.drawPolygon(QPolygonF{{62, 72}, {107, 72}, {100, 104}, {69, 104}});
    p.setBrush(QColor(100, 70, 40));
    p.drawRect(QRectF(60, 68, 49, 7));
    p.setPen(QPen(QColor(40, 130, 40), 3));
    const double stem = QList<double>{4, 18, 36, 50}[t];
    p.drawLine(QPointF(84.5, 68), QPointF(84.5, 68 - stem));
    p.setPen(QPen(QColor(30, 100, 30), 1));
    p.setBrush(QColor(70, 170, 60));
    if (t >= 1) {
        p.drawEllipse(QRectF(72, 56, 12, 7));
        p.drawEllipse(QRectF(85, 56, 12, 7));
    }
    if (t >= 2) {
        p.drawEllipse(QRectF(68, 42, 16, 8));
        p.drawEllipse(QRectF(85, 40, 16, 8));
    }
    if (t == 3)
        drawEmoji(p, QRectF(70, 4, 29, 28), QStringLiteral("🌼"));
    if (t == 0) {
        p.setBrush(QColor(120, 80, 40));
        p.drawEllipse(QRectF(81, 62, 7, 5));
    }
}

void glass(QPainter& p, int t) {
    room(p);
    const QRectF g(62, 22, 46, 66);
    const double level = QList<double>{0.0, 0.3, 0.62, 0.92}[t];
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 160, 240, 200));
    p.drawRect(QRectF(g.left() + 2, g.bottom() - g.height() * level, g.width() - 4, g.height() * level));
    p.setPen(QPen(QColor(80, 110, 140), 2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(g.topLeft(), g.bottomLeft());
    p.drawLine(g.topRight(), g.bottomRight());
    p.drawLine(g.bottomLeft(), g.bottomRight());
    // The jug pours while the glass fills.
    if (t < 3) {
        p.setPen(QPen(QColor(90, 160, 240), 3));
        p.drawLine(QPointF(112, 20), QPointF(100, g.bottom() - g.height() * level));
        drawEmoji(p, QRectF(108, 2, 40, 34), QStringLiteral("🫖"));
    }
}

void snowman(QPainter& p, int t) {
    sky(p, QColor(175, 205, 235), QColor(245, 248, 252), 70);
    outlinePen(p, 1.2);
    p.setBrush(Qt::white);
    const double r0 = QList<double>{12, 22, 22, 22}[t];
    p.drawEllipse(QPointF(84, 98 - r0), r0, r0);
    if (t >= 2)
        p.drawEllipse(QPointF(84, 55), 15, 15);
    if (t >= 3) {
        p.drawEllipse(QPointF(84, 30), 11, 11);
        p.setBrush(QColor(250, 130, 30));
        p.drawPolygon(QPolygonF{{84, 30}, {98, 32}, {84, 34}});
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(80, 27), 1.5, 1.5);
        p.drawEllipse(QPointF(88, 27), 1.5, 1.5);
        p.drawRect(QRectF(75, 12, 18, 9));
        p.drawRect(QRectF(71, 20, 26, 2));
    }
}

void candle(QPainter& p, int t) {
    room(p, QColor(60, 60, 90), QColor(120, 80, 60));
    const double h = QList<double>{62, 44, 26, 10}[t];
    outlinePen(p, 1.2);
    p.setBrush(QColor(250, 240, 220));
    p.drawRect(QRectF(74, 88 - h, 20, h));
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QRectF(62, 84, 44, 9));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(84, 88 - h), QPointF(84, 84 - h));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(QRectF(79, 68 - h, 10, 17));
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QRectF(82, 75 - h, 4, 8));
}

// A vase of flowers on a table edge, pushed by a ball: it tips, falls and
// breaks on the floor. A broken vase never jumps back, so the order is one way.
void vaseShape(QPainter& p) {
    outlinePen(p, 1.2);
    p.setBrush(QColor(60, 120, 210));
    QPainterPath vase;
    vase.moveTo(-7, -30);
    vase.lineTo(7, -30);
    vase.cubicTo(7, -20, 14, -14, 14, -8);
    vase.cubicTo(14, -2, 9, 0, 0, 0);
    vase.cubicTo(-9, 0, -14, -2, -14, -8);
    vase.cubicTo(-14, -14, -7, -20, -7, -30);
    p.drawPath(vase);
    p.setPen(QPen(QColor(40, 130, 40), 2));
    p.drawLine(QPointF(0, -30), QPointF(-4, -44));
    p.drawLine(QPointF(0, -30), QPointF(5, -46));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 50, 60));
    p.drawEllipse(QPointF(-4, -46), 5, 5);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(5, -48), 5, 5);
}

void fallingVase(QPainter& p, int t) {
    p.fillRect(0, 0, kW, kH, QColor(250, 236, 210));
    p.fillRect(0, 96, kW, kH - 96, QColor(170, 120, 80));
    // The table on the left; its top ends at x = 86.
    p.fillRect(QRectF(6, 56, 80, 6), QColor(120, 80, 50));
    p.fillRect(QRectF(12, 62, 5, 34), QColor(120, 80, 50));
    p.fillRect(QRectF(74, 62, 5, 34), QColor(120, 80, 50));
    // The ball rolls against the vase and stays where the vase stood.
    const double ballX = t == 0 ? 30 : 66;
    outlinePen(p, 1);
    p.setBrush(QColor(230, 60, 50));
    p.drawEllipse(QPointF(ballX, 49), 7, 7);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(ballX - 2, 47), 2.5, 2.5);
    if (t == 0) {
        p.setPen(QPen(QColor(150, 120, 90), 1.5));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(10, 44 + 5 * i), QPointF(20, 44 + 5 * i));
    }
    if (t < 3) {
        const QPointF foot = QList<QPointF>{{74, 56}, {88, 56}, {104, 68}}[t];
        const double angle = QList<double>{0, 35, 100}[t];
        p.save();
        p.translate(foot);
        p.rotate(angle);
        vaseShape(p);
        p.restore();
        if (t == 2) {
            // Falling: lines behind it and drops of water in the air.
            p.setPen(QPen(QColor(150, 120, 90), 1.5));
            p.drawLine(QPointF(94, 40), QPointF(100, 48));
            p.drawLine(QPointF(102, 36), QPointF(108, 44));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 160, 240));
            p.drawEllipse(QPointF(136, 62), 2.5, 3.5);
            p.drawEllipse(QPointF(142, 72), 2.5, 3.5);
        }
        return;
    }
    // Broken on the floor: spilt water, shards and the flowers.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 180, 240, 170));
    p.drawEllipse(QRectF(94, 96, 68, 10));
    outlinePen(p, 1);
    p.setBrush(QColor(60, 120, 210));
    p.drawPolygon(QPolygonF{{98, 100}, {108, 88}, {115, 101}});
    p.drawPolygon(QPolygonF{{119, 102}, {125, 90}, {134, 94}, {130, 103}});
    p.drawPolygon(QPolygonF{{140, 101}, {147, 92}, {153, 102}});
    p.setPen(QPen(QColor(40, 130, 40), 2));
    p.drawLine(QPointF(114, 104), QPointF(136, 106));
    p.drawLine(QPointF(120, 103), QPointF(146, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 50, 60));
    p.drawEllipse(QPointF(138, 106), 5, 4);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(149, 100), 5, 4);
}

void egg(QPainter& p, int t) {
    sky(p, QColor(250, 240, 200), QColor(220, 190, 120), 80);
    // A nest of straw.
    outlinePen(p, 1);
    p.setBrush(QColor(190, 140, 70));
    p.drawEllipse(QRectF(40, 74, 90, 26));
    if (t == 0)
        drawEmoji(p, QRectF(64, 28, 40, 52), QStringLiteral("🥚"));
    if (t == 1) {
        drawEmoji(p, QRectF(64, 28, 40, 52), QStringLiteral("🥚"));
        p.setPen(QPen(QColor(60, 50, 40), 1.5));
        p.drawPolyline(QPolygonF{{68, 50}, {74, 45}, {79, 52}, {85, 44}, {91, 51}, {99, 46}});
    }
    if (t == 2)
        drawEmoji(p, QRectF(60, 26, 50, 54), QStringLiteral("🐣"));
    if (t == 3) {
        drawEmoji(p, QRectF(50, 30, 44, 48), QStringLiteral("🐥"));
        p.setPen(QPen(QColor(120, 110, 90), 1));
        p.setBrush(QColor(250, 245, 235));
        p.drawChord(QRectF(100, 64, 24, 26), 180 * 16, 180 * 16);
    }
}

void butterfly(QPainter& p, int t) {
    sky(p, QColor(210, 240, 255), QColor(140, 200, 110), 88);
    const QString stage[] = {QStringLiteral("🍃"), QStringLiteral("🐛"), QString(), QStringLiteral("🦋")};
    if (t == 0) {
        drawEmoji(p, QRectF(50, 22, 70, 60), stage[0]);
        p.setPen(QPen(QColor(120, 110, 60), 1));
        p.setBrush(QColor(255, 250, 220));
        for (QPointF e : {QPointF(78, 52), QPointF(88, 55), QPointF(86, 45), QPointF(96, 49)})
            p.drawEllipse(e, 3.5, 3.5);
    } else if (t == 1) {
        drawEmoji(p, QRectF(50, 28, 70, 55), stage[1]);
    } else if (t == 2) {
        // A chrysalis hanging from a twig.
        p.setPen(QPen(QColor(110, 80, 50), 4));
        p.drawLine(QPointF(40, 16), QPointF(130, 16));
        outlinePen(p, 1.2);
        p.setBrush(QColor(150, 170, 80));
        p.drawEllipse(QRectF(74, 20, 20, 52));
        p.drawLine(QPointF(84, 16), QPointF(84, 20));
    } else {
        drawEmoji(p, QRectF(50, 16, 70, 64), stage[3]);
    }
}

void tomato(QPainter& p, int t) {
    sky(p, QColor(215, 240, 255), QColor(140, 100, 60), 90);
    p.setPen(QPen(QColor(50, 120, 40), 3));
    p.drawLine(QPointF(84, 0), QPointF(84, 30));
    const QColor colours[] = {QColor(110, 180, 60), QColor(210, 200, 60), QColor(240, 140, 40),
                              QColor(220, 40, 30)};
    const double r = QList<double>{18, 24, 28, 30}[t];
    outlinePen(p, 1.2);
    p.setBrush(colours[t]);
    p.drawEllipse(QPointF(84, 34 + r), r * 1.1, r);
    p.setBrush(QColor(50, 130, 40));
    p.drawPolygon(QPolygonF{{84, 30}, {74, 38}, {84, 35}, {94, 38}});
}

void apple(QPainter& p, int t) {
    room(p, QColor(235, 245, 235), QColor(180, 130, 90));
    drawEmoji(p, QRectF(52, 14, 66, 72), QStringLiteral("🍎"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 245, 235));
    // Bites from the right, then from the left, then only the core is left.
    if (t >= 1) {
        p.drawEllipse(QPointF(120, 48), 16, 16);
        p.setBrush(QColor(250, 240, 200));
        p.drawEllipse(QPointF(120, 48), 16, 16);
        p.setBrush(QColor(235, 245, 235));
        p.drawEllipse(QPointF(124, 48), 16, 16);
    }
    if (t >= 2) {
        p.setBrush(QColor(250, 240, 200));
        p.drawEllipse(QPointF(50, 52), 16, 16);
        p.setBrush(QColor(235, 245, 235));
        p.drawEllipse(QPointF(46, 52), 16, 16);
    }
    if (t == 3) {
        p.fillRect(QRect(40, 8, 90, 78), QColor(235, 245, 235));
        outlinePen(p, 1.2);
        p.setBrush(QColor(250, 240, 200));
        QPainterPath core;
        core.moveTo(70, 30);
        core.quadTo(84, 40, 98, 30);
        core.quadTo(88, 55, 98, 82);
        core.quadTo(84, 74, 70, 82);
        core.quadTo(80, 55, 70, 30);
        p.drawPath(core);
        p.setPen(QPen(QColor(90, 60, 30), 3));
        p.drawLine(QPointF(84, 34), QPointF(86, 20));
    }
}

void iceCube(QPainter& p, int t) {
    room(p, QColor(225, 240, 250), QColor(200, 170, 130));
    const double s = QList<double>{48, 34, 20, 0}[t];
    const double puddle = QList<double>{0, 34, 60, 84}[t];
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 180, 240, 160));
    if (puddle > 0)
        p.drawEllipse(QPointF(84, 92), puddle / 2 + 6, 6 + puddle / 16);
    if (s > 0) {
        p.setPen(QPen(QColor(90, 140, 190), 1.5));
        p.setBrush(QColor(200, 235, 255));
        p.drawRoundedRect(QRectF(84 - s / 2, 90 - s, s, s), 4, 4);
        p.setBrush(QColor(235, 250, 255));
        p.drawPolygon(QPolygonF{
            {84 - s / 2, 90 - s}, {84 - s / 2 + 8, 82 - s}, {84 + s / 2 + 8, 82 - s}, {84 + s / 2, 90 - s}});
    }
}

void hourglass(QPainter& p, int t) {
    room(p, QColor(245, 235, 215), QColor(150, 100, 70));
    const double top = QList<double>{1.0, 0.66, 0.33, 0.0}[t];
    const QPolygonF upper{{62, 12}, {106, 12}, {84, 48}};
    const QPolygonF lower{{84, 48}, {106, 84}, {62, 84}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 190, 90));
    // Sand in the upper bulb: a triangle shrinking to the neck.
    if (top > 0) {
        const double y = 48 - 30 * top;
        const double half = 22 * (48 - y) / 36;
        p.drawPolygon(QPolygonF{{84 - half, y}, {84 + half, y}, {84, 48}});
    }
    // Sand heap in the lower bulb.
    const double heap = 1.0 - top;
    if (heap > 0) {
        const double y = 84 - 30 * heap;
        const double half = 22 * (y - 48) / 36;
        p.drawPolygon(QPolygonF{{84 - half, y}, {84 + half, y}, {106, 84}, {62, 84}});
    }
    if (t < 3) {
        p.setPen(QPen(QColor(230, 190, 90), 1.5));
        p.drawLine(QPointF(84, 48), QPointF(84, 84 - 30 * heap));
    }
    p.setPen(QPen(QColor(90, 60, 40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(upper);
    p.drawPolygon(lower);
    p.setBrush(QColor(120, 80, 50));
    p.drawRect(QRectF(56, 6, 56, 6));
    p.drawRect(QRectF(56, 84, 56, 6));
}

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

void balloon(QPainter& p, int t) {
    sky(p, QColor(190, 225, 250), QColor(130, 190, 100), 92);
    const double r = QList<double>{7, 14, 22, 30}[t];
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(84, 70), QPointF(84, 102));
    outlinePen(p, 1.2);
    p.setBrush(QColor(230, 60, 80));
    p.drawEllipse(QPointF(84, 70 - r * 1.15), r, r * 1.15);
    p.drawPolygon(QPolygonF{{84, 70}, {80, 74}, {88, 74}});
    // A pump blows it up.
    drawEmoji(p, QRectF(20, 64, 30, 30), QStringLiteral("🌬️"));
}

} // namespace

void generateFilmStories(AssetWriter& w) {
    // Eleven stories per window, none shared between the windows.
    const QList<QPair<const char*, Draw>> stories8{
        {"plant", plant},      {"glass", glass},      {"snowman", snowman},     {"candle", candle},
        {"vase", fallingVase}, {"egg", egg},          {"butterfly", butterfly}, {"tomato", tomato},
        {"apple", apple},      {"ice cube", iceCube}, {"hourglass", hourglass},
    };
    const QList<QPair<const char*, Draw>> stories13{
        {"house", house},   {"tower", tower},       {"sandwich", sandwich}, {"ice cream", iceCream},
        {"smiley", smiley}, {"dominoes", dominoes}, {"pizza", pizza},       {"chocolate", chocolate},
        {"nest", nest},     {"campfire", campfire}, {"cake", cake},
    };
    Q_UNUSED(balloon);
    static_assert(kFilmRows[0].windowNumber == 8 && kFilmRows[1].windowNumber == 13);
    for (const auto& [window, stories] : {qMakePair(8, stories8), qMakePair(13, stories13)}) {
        if (stories.size() != kFilmStories)
            w.fail(QStringLiteral("kletka%1: %2 stories instead of %3")
                       .arg(window)
                       .arg(stories.size())
                       .arg(kFilmStories));
        QList<QImage> sheet;
        QStringList captions;
        for (int n = 1; n <= stories.size(); ++n) {
            // A plain reference: lambdas may not capture structured bindings on every compiler.
            const auto& drawStory = stories[n - 1].second;
            for (int f = 1; f <= kFilmFrames; ++f) {
                // scale 2 gives the source for screens of double density.
                const auto draw = [&](int scale) {
                    QImage image(kW * scale, kH * scale, QImage::Format_RGB32);
                    image.fill(Qt::white);
                    QPainter p(&image);
                    p.setRenderHint(QPainter::Antialiasing);
                    p.scale(scale, scale);
                    drawStory(p, f - 1);
                    p.setPen(QPen(QColor(40, 40, 40), 1));
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
                    p.end();
                    return image;
                };
                const QImage frame = draw(1);
                const QString name = QStringLiteral("kletka%1/%2/%3.jpg").arg(window).arg(n).arg(f);
                w.jpeg(name, frame, 94);
                w.jpeg(rules::hiDpiName(name), draw(2), 94);
                sheet.append(frame);
                captions.append(
                    QStringLiteral("%1 %2.%3").arg(QString::fromLatin1(stories[n - 1].first)).arg(n).arg(f));
            }
        }
        if (w.wantsContactSheets())
            w.contactSheet(
                QStringLiteral("kletka%1").arg(window),
                QStringLiteral("kletka%1: film stories, frames in story order left to right").arg(window),
                sheet, captions);
    }
}

} // namespace zorna::assets
