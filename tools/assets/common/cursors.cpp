// Cursors shared by the task windows.
#include "generators.h"
#include "rules/picture_names.h"

#include <QPainter>
#include <QPainterPath>

namespace zorna::assets {

namespace {

QImage blankCursor() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Pointing hand with the finger tip at (12, 1); `closed` draws the fist that
// holds the pointer while a button is pressed.
QImage hand(bool closed) {
    QImage image = blankCursor();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    QPainterPath path;
    if (closed) {
        path.addRoundedRect(QRectF(6, 9, 17, 15), 4, 4);
        p.drawPath(path);
        for (int x = 10; x <= 18; x += 4)
            p.drawLine(QPointF(x, 9.5), QPointF(x, 14));
        p.drawLine(QPointF(12, 1), QPointF(12, 9));
    } else {
        path.moveTo(10.5, 2.5);
        path.quadTo(12, 0.5, 13.5, 2.5);
        path.lineTo(13.5, 12.5);
        path.quadTo(14.5, 11, 16, 12.5);
        path.quadTo(17, 11, 18.5, 12.5);
        path.quadTo(19.5, 11, 21, 13);
        path.lineTo(21, 20);
        path.quadTo(21, 24, 18, 27);
        path.lineTo(11, 27);
        path.quadTo(9, 25, 6.5, 21);
        path.lineTo(4, 16.5);
        path.quadTo(3, 14.5, 5, 14);
        path.quadTo(6.5, 13.7, 8, 16);
        path.lineTo(9.5, 18);
        path.closeSubpath();
        p.drawPath(path);
    }
    return image;
}

// Arrow pointing to the upper left with its tip at (0, 0), for dragging frames.
QImage northWest() {
    QImage image = blankCursor();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    const QPointF pts[] = {{0.5, 0.5}, {14, 0.5}, {9, 5}, {22, 18}, {18, 22}, {5, 9}, {0.5, 14}};
    p.drawPolygon(pts, 7);
    return image;
}

} // namespace

void generateCommonAssets(AssetWriter& w) {
    w.cursor(rules::pointCursor(), hand(false), 12, 1);
    w.cursor(rules::moveCursor(), hand(true), 12, 1);
    w.cursor(rules::frameCursor(), northWest(), 0, 0);
}

} // namespace zorna::assets
