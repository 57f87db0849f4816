// kletka8: eleven film stories of four frames each, told by pictures alone.
// Each story changes in one direction only (something grows, fills, melts, burns down, falls and breaks,
// hatches, ripens, is eaten or runs out), so only one order can be defended.
#include "common/emoji.h"
#include "counting/film_scenes.h"
#include "counting/kletka8_data.h"
#include "generators.h"

#include <QPainterPath>

namespace zorna::assets {

namespace {

using namespace film;
using namespace kletka8;

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

} // namespace

void generateKletka8(AssetWriter& w) {
    const film::Draw drawers[] = {plant,     glass,  snowman, candle,  fallingVase, egg,
                                  butterfly, tomato, apple,   iceCube, hourglass};
    film::writeFilmStories(w, 8, kStoryNames, drawers);
}

} // namespace zorna::assets
