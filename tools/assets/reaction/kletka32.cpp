// kletka32: the four scenes of the character's net under each chute.
#include "common/picture_writer.h"
#include "generators.h"
#include "platform/geometry.h"
#include "reaction/kletka32_data.h"
#include "rules/picture_names.h"
#include "tasks/reaction/reaction_rules.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

namespace zorna::assets {

namespace {

using namespace kletka32;

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

} // namespace

void generateKletka32(AssetWriter& w) {
    ContactSheet sheet(w, rules::taskFolder(32), QStringLiteral("kletka32: the net under chutes 1 to 4"));
    // The net under chute 1..4, files kolobok1, kolobok4, kolobok3, kolobok2.
    for (int c = 0; c < 4; ++c) {
        const QString name = QStringLiteral("kolobok%1.bmp").arg(reaction::kChutes[c].picture);
        writePicture(w, rules::taskFile(32, name), [&](int scale) { return scene(c, scale); },
                     {.sheet = &sheet, .caption = name + QStringLiteral(", net under chute %1").arg(c + 1)});
    }
}

} // namespace zorna::assets
