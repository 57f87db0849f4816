// kletka30: the cart that catches the balls.
#include "common/picture_writer.h"
#include "generators.h"
#include "platform/geometry.h"
#include "reaction/kletka30_data.h"
#include "rules/picture_names.h"
#include "tasks/reaction/reaction_rules.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

namespace zorna::assets {

namespace {

using namespace kletka30;

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

} // namespace

void generateKletka30(AssetWriter& w) {
    ContactSheet sheet(w, rules::taskFolder(30), QStringLiteral("kletka30: the cart"));
    const QImage telega = writePicture(w, rules::taskFile(30, QStringLiteral("telega.gif")), cart);
    sheet.add(enlargedForSheet(telega, 4, QColor(0xd4, 0xd0, 0xc8)), QStringLiteral("telega.gif (x4)"));
}

} // namespace zorna::assets
