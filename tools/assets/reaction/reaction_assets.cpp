// Pictures of the reaction tasks: the apple and its hit animation (kletka26),
// the cart (kletka30) and the four scenes of the net under each chute (kletka32).
#include "generators.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/reaction/reaction_rules.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

namespace zorna::assets {

namespace {

// ---- the apple: drawn four times larger, then scaled to the 31 x 31 cell ----

constexpr int kCell = tw(reaction::kAppleCellTwips) - 2; // inside the cell's frame
constexpr int kScale = 4;
constexpr int kCanvas = kCell * kScale;

QPainterPath appleBody() {
    // Two lobes with a dimple at the top and a softer one at the bottom.
    QPainterPath path;
    path.moveTo(62, 38);
    path.cubicTo(80, 24, 112, 30, 110, 66);
    path.cubicTo(108, 96, 88, 116, 72, 110);
    path.cubicTo(66, 108, 58, 108, 52, 110);
    path.cubicTo(36, 116, 16, 96, 14, 66);
    path.cubicTo(12, 30, 44, 24, 62, 38);
    path.closeSubpath();
    return path;
}

void drawAppleBody(QPainter& p) {
    QRadialGradient red(QPointF(46, 56), 64);
    red.setColorAt(0, QColor(0xff, 0x6a, 0x55));
    red.setColorAt(0.55, QColor(0xe0, 0x1e, 0x1e));
    red.setColorAt(1, QColor(0x9a, 0x0c, 0x12));
    p.setPen(QPen(QColor(0x7a, 0x08, 0x0c), 2.5));
    p.setBrush(red);
    p.drawPath(appleBody());
    // Shine.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(32, 50, 14, 24));
}

void drawStemAndLeaf(QPainter& p) {
    p.setPen(QPen(QColor(0x6b, 0x3e, 0x1e), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(62, 40), QPointF(68, 16));
    QPainterPath leaf;
    leaf.moveTo(68, 24);
    leaf.cubicTo(78, 8, 98, 8, 104, 14);
    leaf.cubicTo(96, 26, 80, 30, 68, 24);
    p.setPen(QPen(QColor(0x1e, 0x6e, 0x1e), 2));
    p.setBrush(QColor(0x4c, 0xb8, 0x3a));
    p.drawPath(leaf);
}

void drawApple(QPainter& p) {
    drawAppleBody(p);
    drawStemAndLeaf(p);
}

// An arrow flying in from the upper left with its tip at `tip`.
void drawArrow(QPainter& p, QPointF tip, double length) {
    const QPointF dir(-0.71, -0.71);
    const QPointF tail = tip + dir * length;
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + dir * 10, tail);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x70, 0x70, 0x78));
    const QPointF side(0.71, -0.71);
    const QPointF head[] = {tip, tip + dir * 16 + side * 7, tip + dir * 16 - side * 7};
    p.drawPolygon(head, 3);
    p.setBrush(QColor(0x2a, 0x8c, 0xd8));
    for (double t : {0.0, 8.0}) {
        const QPointF base = tail - dir * t;
        const QPointF fin[] = {base, base + dir * 10 + side * 8, base + dir * 4};
        const QPointF fin2[] = {base, base + dir * 10 - side * 8, base + dir * 4};
        p.drawPolygon(fin, 3);
        p.drawPolygon(fin2, 3);
    }
}

// A yellow impact star.
void drawStar(QPainter& p, QPointF centre, double outer, double inner, int points, QColor colour) {
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = M_PI * i / points - M_PI / 2;
        star << centre + QPointF(r * qCos(a), r * qSin(a));
    }
    p.setPen(QPen(QColor(0xe0, 0x8a, 0x00), 2));
    p.setBrush(colour);
    p.drawPolygon(star);
}

// Juice drops scattered round the centre at a distance, from a fixed seed.
void drawDrops(QPainter& p, quint32 seed, double distance, double size, int alpha) {
    QRandomGenerator gen(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * M_PI * i / 12 + gen.bounded(0.4);
        const double d = distance * (0.7 + gen.bounded(0.5));
        const double s = size * (0.6 + gen.bounded(0.8));
        p.setBrush(QColor(0xe8, 0x20, 0x30, alpha));
        p.drawEllipse(QPointF(62 + d * qCos(a), 66 + d * qSin(a)), s, s);
    }
}

// The apple cut into pieces by the polygons, each moved outward and turned.
void drawPieces(QPainter& p, const QList<QPolygonF>& cuts, const QList<QPointF>& offsets, double turn) {
    for (int i = 0; i < cuts.size(); ++i) {
        p.save();
        const QPointF centre = cuts[i].boundingRect().center();
        p.translate(offsets[i]);
        p.translate(centre);
        p.rotate(turn * (i % 2 == 0 ? -1 : 1));
        p.translate(-centre);
        QPainterPath clip;
        clip.addPolygon(cuts[i]);
        p.setClipPath(clip);
        drawAppleBody(p);
        // The pale flesh along the cut edges, inside the apple only.
        p.setClipPath(appleBody().intersected(clip));
        p.setPen(QPen(QColor(0xf6, 0xe7, 0xa8), 7));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(62, -10), QPointF(62, 140));
        if (cuts.size() > 2)
            p.drawLine(QPointF(-10, 70), QPointF(140, 70));
        p.restore();
    }
}

// scale 2 gives the source for screens of double density.
QImage appleFrame(int frame, int scale = 1) {
    QImage big(kCanvas, kCanvas, QImage::Format_RGB32);
    big.fill(Qt::white);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF left({{-10, -10}, {62, -10}, {62, 140}, {-10, 140}});
    const QPolygonF right({{62, -10}, {140, -10}, {140, 140}, {62, 140}});
    const QPolygonF q1({{-10, -10}, {62, -10}, {62, 70}, {-10, 70}});
    const QPolygonF q2({{62, -10}, {140, -10}, {140, 70}, {62, 70}});
    const QPolygonF q3({{-10, 70}, {62, 70}, {62, 140}, {-10, 140}});
    const QPolygonF q4({{62, 70}, {140, 70}, {140, 140}, {62, 140}});
    switch (frame) {
    case 0:
        drawApple(p);
        break;
    case 1: // the arrow comes
        drawApple(p);
        drawArrow(p, QPointF(34, 40), 40);
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 2));
        p.drawLine(QPointF(4, 30), QPointF(18, 44));
        p.drawLine(QPointF(16, 10), QPointF(30, 24));
        break;
    case 2: // the hit
        drawStar(p, QPointF(42, 52), 40, 18, 8, QColor(0xff, 0xe0, 0x40));
        drawApple(p);
        drawArrow(p, QPointF(50, 58), 44);
        break;
    case 3: // squashed by the blow
        drawStar(p, QPointF(62, 66), 58, 30, 10, QColor(0xff, 0xd0, 0x30));
        p.save();
        p.translate(62, 110);
        p.scale(1.15, 0.82);
        p.translate(-62, -110);
        drawApple(p);
        p.restore();
        drawArrow(p, QPointF(54, 74), 40);
        break;
    case 4: { // cracks run over the apple
        drawStar(p, QPointF(62, 66), 58, 34, 12, QColor(0xff, 0xe8, 0x70));
        drawApple(p);
        p.setPen(QPen(QColor(0xf6, 0xe7, 0xa8), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF crack[] = {{62, 40}, {56, 58}, {66, 70}, {58, 86}, {64, 108}};
        p.drawPolyline(crack, 5);
        const QPointF crack2[] = {{20, 68}, {40, 64}, {56, 72}, {84, 66}, {106, 72}};
        p.drawPolyline(crack2, 5);
        break;
    }
    case 5: // it bursts in two
        drawDrops(p, 5, 40, 4, 255);
        drawPieces(p, {left, right}, {QPointF(-10, 2), QPointF(10, 2)}, 10);
        break;
    case 6:
        drawDrops(p, 6, 52, 4.5, 255);
        drawPieces(p, {q1, q2, q3, q4}, {QPointF(-8, -7), QPointF(8, -7), QPointF(-8, 6), QPointF(8, 6)}, 12);
        break;
    case 7:
        drawDrops(p, 7, 62, 4.5, 220);
        drawPieces(p, {q1, q2, q3, q4},
                   {QPointF(-16, -14), QPointF(16, -14), QPointF(-16, 12), QPointF(16, 12)}, 28);
        break;
    case 8: { // pieces fly off, juice everywhere
        drawDrops(p, 8, 70, 4, 170);
        p.save();
        p.translate(62, 66);
        p.scale(0.7, 0.7);
        p.translate(-62, -66);
        drawPieces(p, {q1, q2, q3, q4},
                   {QPointF(-34, -30), QPointF(34, -30), QPointF(-34, 28), QPointF(34, 28)}, 50);
        p.restore();
        break;
    }
    case 9: { // only a splash and sparkles are left
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf4, 0x9a, 0xa0));
        p.drawEllipse(QPointF(62, 96), 30, 10);
        drawDrops(p, 9, 50, 3, 120);
        drawStar(p, QPointF(38, 40), 12, 4, 4, QColor(0xff, 0xe0, 0x40));
        drawStar(p, QPointF(88, 34), 9, 3, 4, QColor(0xff, 0xe0, 0x40));
        drawStar(p, QPointF(70, 70), 14, 5, 4, QColor(0xff, 0xf0, 0x80));
        p.setPen(QPen(QColor(0x6b, 0x3e, 0x1e), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(58, 92), QPointF(66, 84));
        break;
    }
    default:
        break;
    }
    p.end();
    return big.scaled(kCell * scale, kCell * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---- the cart: 49 x 41 with a transparent background ----

constexpr int kCartW = tw(reaction::kCartWidthTwips);
constexpr int kCartH = tw(reaction::kCartHeightTwips);

QImage cart(int scale = 1) {
    QImage big(kCartW * kScale, kCartH * kScale, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    // The open box: its upper rim is the top of the picture, where the balls land.
    QPainterPath box;
    box.moveTo(1, 1.5);
    box.lineTo(48, 1.5);
    box.lineTo(45, 28);
    box.lineTo(4, 28);
    box.closeSubpath();
    p.setPen(QPen(QColor(0x5c, 0x34, 0x12), 1.2));
    p.setBrush(QColor(0xc8, 0x84, 0x3c));
    p.drawPath(box);
    p.setPen(QPen(QColor(0x8a, 0x52, 0x22), 0.9));
    for (double y : {8.0, 14.5, 21.0})
        p.drawLine(QPointF(1 + (y - 1.5) * 3 / 26.5, y), QPointF(48 - (y - 1.5) * 3 / 26.5, y));
    // A rim and a friendly face on the side of the cart.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x44, 0x16));
    p.drawRoundedRect(QRectF(0, 0, kCartW, 3.2), 1.2, 1.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(19, 12), 3.2, 3.2);
    p.drawEllipse(QPointF(30, 12), 3.2, 3.2);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(19.6, 12.5), 1.5, 1.5);
    p.drawEllipse(QPointF(30.6, 12.5), 1.5, 1.5);
    p.setPen(QPen(QColor(0x40, 0x18, 0x04), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19.5, 13, 10, 7), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 130, 200));
    p.drawEllipse(QPointF(14.5, 17), 2.2, 1.4);
    p.drawEllipse(QPointF(34.5, 17), 2.2, 1.4);
    // Two wheels.
    for (double x : {12.0, 37.0}) {
        p.setPen(QPen(QColor(0x22, 0x22, 0x22), 1.2));
        p.setBrush(QColor(0x3a, 0x3a, 0x3a));
        p.drawEllipse(QPointF(x, 33), 7.3, 7.3);
        p.setBrush(QColor(0xf0, 0xc0, 0x30));
        p.drawEllipse(QPointF(x, 33), 4.2, 4.2);
        p.setPen(QPen(QColor(0x8a, 0x60, 0x10), 0.9));
        p.drawLine(QPointF(x - 4, 33), QPointF(x + 4, 33));
        p.drawLine(QPointF(x, 29), QPointF(x, 37));
        p.setBrush(QColor(0x55, 0x55, 0x55));
        p.drawEllipse(QPointF(x, 33), 1.3, 1.3);
    }
    p.end();
    return big.scaled(kCartW * scale, kCartH * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---- the scenes of kletka32: 428 x 284, the character's net under a chute ----

constexpr int kSceneW = 428;
constexpr int kSceneH = 284;
constexpr int kGroundTop = 264;

// Left of the chutes' balls, pixels, and the ball size.
constexpr int kChuteLeft[] = {tw(reaction::kChutes[0].leftTw), tw(reaction::kChutes[1].leftTw),
                              tw(reaction::kChutes[2].leftTw), tw(reaction::kChutes[3].leftTw)};
constexpr double kBallW = 13;
// Top of a ball when it can be caught: the net's hoop lies at its lower half.
constexpr int kCatchTop[] = {216, 206, 206, 216};

void drawCloud(QPainter& p, QPointF c, double s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(c, 18 * s, 10 * s);
    p.drawEllipse(c + QPointF(-14 * s, 3 * s), 12 * s, 8 * s);
    p.drawEllipse(c + QPointF(15 * s, 3 * s), 13 * s, 8 * s);
    p.drawEllipse(c + QPointF(2 * s, -7 * s), 11 * s, 9 * s);
}

void drawBackground(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kGroundTop);
    sky.setColorAt(0, QColor(0xaa, 0xdc, 0xff));
    sky.setColorAt(1, QColor(0xf0, 0xfa, 0xff));
    p.fillRect(QRect(0, 0, kSceneW, kSceneH), sky);
    // Sun.
    p.setPen(QPen(QColor(0xff, 0xc8, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF sun(386, 40);
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * M_PI * i / 12;
        p.drawLine(sun + QPointF(26 * qCos(a), 26 * qSin(a)), sun + QPointF(34 * qCos(a), 34 * qSin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x40));
    p.drawEllipse(sun, 21, 21);
    drawCloud(p, QPointF(44, 40), 1.1);
    drawCloud(p, QPointF(362, 118), 0.9);
    drawCloud(p, QPointF(40, 150), 0.8);
    // Far hills and grass.
    p.setBrush(QColor(0x9c, 0xd8, 0x7c));
    QPainterPath hills;
    hills.moveTo(0, 240);
    hills.cubicTo(80, 200, 150, 236, 214, 232);
    hills.cubicTo(290, 228, 340, 196, 428, 236);
    hills.lineTo(428, kSceneH);
    hills.lineTo(0, kSceneH);
    hills.closeSubpath();
    p.drawPath(hills);
    p.setBrush(QColor(0x5c, 0xb0, 0x3c));
    p.drawRect(QRectF(0, kGroundTop - 4, kSceneW, kSceneH - kGroundTop + 4));
    // Flowers at the sides of the field.
    QRandomGenerator gen(32);
    for (int i = 0; i < 10; ++i) {
        const double x = (i < 5) ? 8 + gen.bounded(80.0) : 320 + gen.bounded(100.0);
        const double y = kGroundTop + 2 + gen.bounded(16.0);
        p.setBrush(i % 2 ? QColor(0xff, 0xff, 0xff) : QColor(0xff, 0xd0, 0x30));
        for (int k = 0; k < 5; ++k) {
            const double a = 2 * M_PI * k / 5;
            p.drawEllipse(QPointF(x + 2.6 * qCos(a), y + 2.6 * qSin(a)), 1.8, 1.8);
        }
        p.setBrush(QColor(0xe0, 0x60, 0x20));
        p.drawEllipse(QPointF(x, y), 1.4, 1.4);
    }
    // The four pipes that feed the chutes' mouths below them.
    for (int left : kChuteLeft) {
        QLinearGradient steel(left, 0, left + 17, 0);
        steel.setColorAt(0, QColor(0xb0, 0xc0, 0xd8));
        steel.setColorAt(0.4, QColor(0xe8, 0xf0, 0xfa));
        steel.setColorAt(1, QColor(0xa0, 0xb0, 0xc8));
        p.setPen(QPen(QColor(0x8a, 0x9a, 0xb4), 1));
        p.setBrush(steel);
        p.drawRect(QRectF(left + 0.5, -1, 16, 34));
    }
}

// The round character holding its net under chute c (0..3).
void drawCharacter(QPainter& p, int c) {
    const bool toRight = c >= 2; // the net is to the right of the character
    const double hoopX = kChuteLeft[c] + kBallW / 2;
    const double hoopY = kCatchTop[c] + 10;
    const double bodyX = toRight ? hoopX - 46 : hoopX + 46;
    const double r = 23;
    const double bodyY = kGroundTop - 7 - r;
    const double side = toRight ? 1 : -1;

    // Shadow, legs and shoes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(bodyX, kGroundTop + 1), 22, 4);
    p.setPen(QPen(QColor(0x8a, 0x50, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(bodyX - 8, bodyY + r - 3), QPointF(bodyX - 10, kGroundTop - 3));
    p.drawLine(QPointF(bodyX + 8, bodyY + r - 3), QPointF(bodyX + 10, kGroundTop - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x30, 0x30));
    p.drawEllipse(QPointF(bodyX - 12, kGroundTop - 2.5), 6, 3);
    p.drawEllipse(QPointF(bodyX + 12, kGroundTop - 2.5), 6, 3);

    // The pole from the hand up to the hoop.
    const QPointF hand(bodyX + side * (r - 2), bodyY - 2);
    const QPointF hoopNear(hoopX - side * 12, hoopY);
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x1a), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hand + QPointF(-side * 4, 6), hoopNear);

    // The net's bag under the hoop, then the hoop itself.
    QPainterPath bag;
    bag.moveTo(hoopX - 12, hoopY);
    bag.cubicTo(hoopX - 12, hoopY + 14, hoopX - 4, hoopY + 20, hoopX, hoopY + 20);
    bag.cubicTo(hoopX + 4, hoopY + 20, hoopX + 12, hoopY + 14, hoopX + 12, hoopY);
    bag.closeSubpath();
    p.setPen(QPen(QColor(0x40, 0x60, 0x90), 1));
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawPath(bag);
    p.save();
    p.setClipPath(bag);
    p.setPen(QPen(QColor(0x40, 0x60, 0x90, 200), 0.8));
    for (double d = -30; d <= 30; d += 5) {
        p.drawLine(QPointF(hoopX + d, hoopY), QPointF(hoopX + d + 20, hoopY + 22));
        p.drawLine(QPointF(hoopX + d, hoopY), QPointF(hoopX + d - 20, hoopY + 22));
    }
    p.restore();
    p.setPen(QPen(QColor(0x20, 0x3c, 0x80), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(hoopX, hoopY), 12, 3.5);

    // The other arm waves.
    p.setPen(QPen(QColor(0xb8, 0x78, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(bodyX - side * (r - 3), bodyY + 2), QPointF(bodyX - side * (r + 9), bodyY - 8));
    // The round body.
    QRadialGradient bun(QPointF(bodyX - 7, bodyY - 8), r * 1.4);
    bun.setColorAt(0, QColor(0xff, 0xf0, 0x9a));
    bun.setColorAt(0.6, QColor(0xf6, 0xc0, 0x40));
    bun.setColorAt(1, QColor(0xd8, 0x8a, 0x18));
    p.setPen(QPen(QColor(0xb0, 0x6a, 0x10), 1.5));
    p.setBrush(bun);
    p.drawEllipse(QPointF(bodyX, bodyY), r, r);
    // The arm holding the pole.
    p.setPen(QPen(QColor(0xb8, 0x78, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(bodyX + side * (r - 6), bodyY + 4), hand);
    // Face, looking up towards the chute.
    const double look = side * 2.5;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(bodyX - 7 + look, bodyY - 6), 5, 6);
    p.drawEllipse(QPointF(bodyX + 7 + look, bodyY - 6), 5, 6);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawEllipse(QPointF(bodyX - 7 + look * 1.5, bodyY - 8), 2.4, 2.8);
    p.drawEllipse(QPointF(bodyX + 7 + look * 1.5, bodyY - 8), 2.4, 2.8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(bodyX - 6.2 + look * 1.5, bodyY - 9), 0.8, 0.8);
    p.drawEllipse(QPointF(bodyX + 7.8 + look * 1.5, bodyY - 9), 0.8, 0.8);
    p.setBrush(QColor(0xff, 0x80, 0x80, 170));
    p.drawEllipse(QPointF(bodyX - 13, bodyY + 4), 4, 2.5);
    p.drawEllipse(QPointF(bodyX + 13, bodyY + 4), 4, 2.5);
    p.setPen(QPen(QColor(0x8a, 0x2a, 0x10), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(bodyX - 8 + look, bodyY - 2, 16, 12), 200 * 16, 140 * 16);
}

QImage scene(int chute, int scale = 1) {
    QImage image(kSceneW * scale, kSceneH * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    drawBackground(p);
    drawCharacter(p, chute);
    p.end();
    return image;
}

QImage enlarged(const QImage& image, int factor, QColor background) {
    QImage out(image.size() * factor, QImage::Format_RGB32);
    out.fill(background);
    QPainter p(&out);
    p.drawImage(QRect(QPoint(0, 0), out.size()), image);
    return out;
}

} // namespace

void generateReactionAssets(AssetWriter& w) {
    QList<QImage> sheet;
    QStringList captions;

    // kletka26: the apple and the nine frames of the hit.
    for (int frame = 0; frame <= reaction::kAppleHitFrames; ++frame) {
        const QImage image = appleFrame(frame);
        if (image.size() != QSize(kCell, kCell))
            w.fail(QStringLiteral("kletka26: apple frame %1 has the wrong size").arg(frame));
        const QString name =
            frame == 0 ? QStringLiteral("apple.jpg") : QStringLiteral("apple%1.jpg").arg(frame);
        w.jpeg(QStringLiteral("kletka26/") + name, image, 95);
        w.jpeg(rules::hiDpiName(QStringLiteral("kletka26/") + name), appleFrame(frame, 2), 95);
        sheet << enlarged(image, 4, Qt::white);
        captions << name + QStringLiteral(" (x4)");
    }

    // kletka30: the cart.
    const QImage telega = cart();
    w.gif(QStringLiteral("kletka30/telega.gif"), telega);
    w.gif(rules::hiDpiName(QStringLiteral("kletka30/telega.gif")), cart(2));
    sheet << enlarged(telega, 4, QColor(0xd4, 0xd0, 0xc8));
    captions << QStringLiteral("telega.gif (x4)");

    // kletka32: the net under chute 1..4, files kolobok1, kolobok4, kolobok3, kolobok2.
    for (int c = 0; c < 4; ++c) {
        const QImage image = scene(c);
        const QString name = QStringLiteral("kolobok%1.bmp").arg(reaction::kChutes[c].picture);
        w.bmp(QStringLiteral("kletka32/") + name, image);
        w.png(rules::hiDpiName(QStringLiteral("kletka32/") + name), scene(c, 2));
        sheet << image;
        captions << name + QStringLiteral(", net under chute %1").arg(c + 1);
    }

    w.contactSheet(
        QStringLiteral("reaction"),
        QStringLiteral("Reaction tasks: the apple and its hit frames (kletka26), the cart (kletka30), "
                       "the net under chutes 1 to 4 (kletka32)"),
        sheet, captions);
}

} // namespace zorna::assets
