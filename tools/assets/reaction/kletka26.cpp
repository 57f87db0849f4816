// kletka26: the apple and the nine frames of its hit.
#include "common/picture_writer.h"
#include "generators.h"
#include "platform/geometry.h"
#include "reaction/kletka26_data.h"
#include "rules/picture_names.h"
#include "tasks/reaction/reaction_rules.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

namespace zorna::assets {

namespace {

using namespace kletka26;

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

} // namespace

void generateKletka26(AssetWriter& w) {
    ContactSheet sheet(w, rules::taskFolder(26), QStringLiteral("kletka26: the apple and its hit frames"));
    for (int frame = 0; frame <= reaction::kAppleHitFrames; ++frame) {
        const QString name =
            frame == 0 ? QStringLiteral("apple.jpg") : QStringLiteral("apple%1.jpg").arg(frame);
        const QImage image =
            writePicture(w, rules::taskFile(26, name), [&](int scale) { return appleFrame(frame, scale); },
                         {.jpegQuality = 95});
        if (image.size() != QSize(kCell, kCell))
            w.fail(QStringLiteral("kletka26: apple frame %1 has the wrong size").arg(frame));
        sheet.add(enlargedForSheet(image, 4, Qt::white), name + QStringLiteral(" (x4)"));
    }
}

} // namespace zorna::assets
