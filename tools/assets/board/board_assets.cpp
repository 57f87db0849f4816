// The board's map, the chips, the registration buttons and the help page.
#include "common/picture_writer.h"
#include "generators.h"
#include "rules/chip_path.h"
#include "rules/picture_names.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace zorna::assets {

// The help page and its picture of the board; help_page.cpp.
void writeBoardHelp(AssetWriter& w, const QImage& map);

namespace {

constexpr int kMapWidth = 785;
constexpr int kMapHeight = 453;
constexpr int kSceneryHeight = 214;
constexpr int kSquareSize = 54;

// Top-left of the chip of the middle player on square s, where the board puts it.
QPoint chipTopLeft(int square) {
    const rules::ChipSpot spot = rules::chipSpot(2, square);
    return QPoint(spot.left, spot.top);
}

// Centre of a square: the middle of the three chips (21 x 16) that stand on it.
QPointF squareCentre(int square) {
    const QPoint tl = chipTopLeft(square);
    return QPointF(tl.x() + 10.5, tl.y() + 8);
}

void drawTree(QPainter& p, QPointF base, double h) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(base.x() - h * 0.08, base.y() - h * 0.4, h * 0.16, h * 0.4));
    p.setBrush(QColor(40, 140, 60));
    p.drawEllipse(QRectF(base.x() - h * 0.35, base.y() - h, h * 0.7, h * 0.7));
    p.setBrush(QColor(70, 170, 80));
    p.drawEllipse(QRectF(base.x() - h * 0.22, base.y() - h * 0.95, h * 0.35, h * 0.35));
}

void drawFlower(QPainter& p, QPointF c, const QColor& petal) {
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int k = 0; k < 5; ++k) {
        const double a = k * 2 * M_PI / 5;
        p.drawEllipse(QPointF(c.x() + 2.2 * std::cos(a), c.y() + 2.2 * std::sin(a)), 1.8, 1.8);
    }
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(c, 1.4, 1.4);
}

// The map drawn at scale times its size (2 for screens of double density).
QImage mapPicture(int scale) {
    ScaledPainting painting(QSize(kMapWidth, kMapHeight), scale);
    QPainter& p = painting.painter();

    // Meadow.
    QLinearGradient grass(0, 0, 0, kSceneryHeight);
    grass.setColorAt(0, QColor(170, 225, 130));
    grass.setColorAt(1, QColor(120, 200, 100));
    p.fillRect(QRect(0, 0, kMapWidth, kSceneryHeight), grass);
    QRandomGenerator rnd(33);
    for (int i = 0; i < 260; ++i) {
        const int cy = rnd.bounded(kSceneryHeight);
        const int cx = rnd.bounded(kMapWidth);
        const QPointF c(cx, cy);
        p.setPen(QPen(QColor(80, 160, 70), 1));
        p.drawLine(c, c + QPointF(rnd.bounded(3) - 1, -3));
    }

    // The road: three lanes joined at alternating ends.
    QPainterPath road;
    road.moveTo(squareCentre(1));
    for (int s = 2; s <= 33; ++s)
        road.lineTo(squareCentre(s));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 110, 60), 46, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(road);
    p.setPen(QPen(QColor(232, 205, 150), 40, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(road);

    // Scenery in the grass between the lanes and below the last one.
    const QColor petals[] = {QColor(255, 90, 120), QColor(255, 255, 255), QColor(170, 120, 255),
                             QColor(255, 150, 40)};
    for (int i = 0; i < 70; ++i) {
        const int band = rnd.bounded(3);
        const double y = band == 0   ? 62 + rnd.bounded(8)
                         : band == 1 ? 134 + rnd.bounded(8)
                                     : 204 + rnd.bounded(7);
        const double x = 60 + rnd.bounded(kMapWidth - 120);
        drawFlower(p, QPointF(x, y), petals[rnd.bounded(4)]);
    }
    drawTree(p, QPointF(6, 70), 22);
    drawTree(p, QPointF(779, 144), 22);
    drawTree(p, QPointF(400, 212), 14);
    drawTree(p, QPointF(560, 212), 12);
    drawTree(p, QPointF(240, 212), 13);
    // A small pond between the first two lanes.
    p.setPen(QPen(QColor(60, 120, 170), 1));
    p.setBrush(QColor(110, 180, 230));
    p.drawEllipse(QRectF(330, 59, 60, 14));

    // Squares.
    QFont numberFont(QStringLiteral("Liberation Sans"));
    numberFont.setPixelSize(11);
    numberFont.setBold(true);
    p.setFont(numberFont);
    for (int s = 1; s <= 33; ++s) {
        const QPointF c = squareCentre(s);
        const QRectF r(c.x() - kSquareSize / 2.0, c.y() - kSquareSize / 2.0, kSquareSize, kSquareSize);
        QColor fill = s % 2 ? QColor(255, 244, 200) : QColor(255, 226, 170);
        if (s == 10 || s == 21)
            fill = QColor(190, 240, 170); // shortcut
        if (s == 13 || s == 24)
            fill = QColor(255, 190, 150); // slide back
        if (s == 1)
            fill = QColor(200, 235, 255);
        p.setPen(QPen(QColor(120, 80, 40), 2));
        p.setBrush(fill);
        p.drawRoundedRect(r, 7, 7);
        if (s == 33) {
            // Chequered finish.
            p.save();
            p.setClipRect(r.adjusted(1, 1, -1, -1));
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 6; ++i)
                for (int j = 0; j < 6; ++j)
                    p.fillRect(QRectF(r.left() + i * 9, r.top() + j * 9, 9, 9),
                               (i + j) % 2 ? QColor(40, 40, 40) : QColor(250, 250, 250));
            p.restore();
        }
        // The number in the top-left corner, clear of the chips.
        const QRectF badge(r.left() + 2, r.top() + 2, 17, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawRoundedRect(badge, 4, 4);
        p.setPen(QColor(90, 40, 10));
        p.drawText(badge, Qt::AlignCenter, QString::number(s));
    }

    // The ladder from 10 down to 13 and the plank from 21 down to 24.
    const QPointF l10 = squareCentre(10), l13 = squareCentre(13);
    p.setPen(QPen(QColor(110, 60, 20), 3, Qt::SolidLine, Qt::RoundCap));
    for (double dx : {-9.0, 9.0})
        p.drawLine(QPointF(l10.x() + dx, l10.y() + 14), QPointF(l13.x() + dx, l13.y() - 14));
    p.setPen(QPen(QColor(150, 90, 30), 2.5));
    for (double y = l10.y() + 20; y < l13.y() - 14; y += 8)
        p.drawLine(QPointF(l10.x() - 9, y), QPointF(l10.x() + 9, y));
    const QPointF l21 = squareCentre(21), l24 = squareCentre(24);
    p.setPen(QPen(QColor(100, 60, 20), 1.5));
    p.setBrush(QColor(200, 150, 90));
    p.drawRect(QRectF(l21.x() - 8, l21.y() + 15, 16, l24.y() - l21.y() - 30));
    p.setPen(QPen(QColor(150, 100, 50), 1));
    for (double x : {-3.0, 3.0})
        p.drawLine(QPointF(l21.x() + x, l21.y() + 17), QPointF(l21.x() + x, l24.y() - 17));

    // Slide-back marks: a curved arrow pointing back up on squares 13 and 24.
    for (int s : {13, 24}) {
        const QPointF c = squareCentre(s);
        QPainterPath arrow;
        arrow.moveTo(c.x() + 20, c.y() + 18);
        arrow.quadTo(c.x() + 22, c.y() - 18, c.x() + 14, c.y() - 20);
        p.setPen(QPen(QColor(200, 60, 20), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow);
        p.setBrush(QColor(200, 60, 20));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(c.x() + 10, c.y() - 20), QPointF(c.x() + 17, c.y() - 25),
                                 QPointF(c.x() + 17, c.y() - 15)}));
    }
    return painting.finish();
}

// A beetle seen from above, in units where it faces +x and spans -10..10 by -7..7.
void drawBeetle(QPainter& p, const QColor& shell) {
    const QColor dark = shell.darker(250);
    p.setPen(QPen(QColor(30, 30, 30), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (double x : {-4.5, 0.0, 4.0})
        for (double side : {-1.0, 1.0}) {
            QPainterPath leg;
            leg.moveTo(x, 0);
            leg.lineTo(x + 0.5, side * 5.5);
            leg.lineTo(x + (x < 0 ? -2.0 : 2.0), side * 7.0);
            p.drawPath(leg);
        }
    p.drawLine(QPointF(9, -1), QPointF(10, -3.5));
    p.drawLine(QPointF(9, 1), QPointF(10, 3.5));
    p.setPen(QPen(dark, 0.8));
    p.setBrush(shell);
    p.drawEllipse(QPointF(-1.5, 0), 7.5, 5.6);
    p.setBrush(dark);
    p.drawEllipse(QPointF(5.8, 0), 2.6, 3.4);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(8.4, 0), 1.6, 1.6);
    p.setPen(QPen(dark, 0.9));
    p.drawLine(QPointF(-8.8, 0), QPointF(4, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(-3, -2.8), 1.3, 1.1);
    p.drawEllipse(QPointF(-3, 2.8), 1.3, 1.1);
}

// Chip picture d of a player: 1 right, 2 down, 3 left, 4 up; scale 2 draws
// the source for screens of double density.
QImage chip(const QColor& shell, int d, int scale = 1) {
    constexpr int kScale = 4;
    QImage big(21 * kScale, 16 * kScale, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(10.5 * kScale, 8 * kScale);
    static constexpr double kAngle[4] = {0, 90, 180, 270};
    p.rotate(kAngle[d - 1]);
    // Facing left or right the beetle fills the width; up or down, the height.
    const double unit = (d == 1 || d == 3) ? 1.0 : 0.78;
    p.scale(unit * kScale, unit * kScale);
    drawBeetle(p, shell);
    p.end();
    return big.scaled(21 * scale, 16 * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The program's icon: a beetle chip on a square of the road, size x size.
QImage appIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient grass(0, 0, 0, 64);
    grass.setColorAt(0, QColor(170, 225, 130));
    grass.setColorAt(1, QColor(110, 190, 90));
    p.setPen(QPen(QColor(70, 130, 60), 2));
    p.setBrush(grass);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setPen(QPen(QColor(120, 80, 40), 2.5));
    p.setBrush(QColor(255, 236, 185));
    p.drawRoundedRect(QRectF(9, 9, 46, 46), 8, 8);
    p.translate(32, 32);
    p.rotate(-45);
    p.scale(2.55, 2.55);
    drawBeetle(p, QColor(0, 210, 220));
    p.end();
    return img;
}

// An open yellow folder: choose a saved game.
void drawOpenSymbol(QPainter& p) {
    p.setPen(QPen(QColor(120, 80, 0), 1));
    p.setBrush(QColor(230, 180, 40));
    p.drawPolygon(QPolygonF(
        {QPointF(8, 3), QPointF(14, 3), QPointF(16, 5), QPointF(26, 5), QPointF(26, 16), QPointF(8, 16)}));
    p.setBrush(QColor(255, 225, 90));
    p.drawPolygon(QPolygonF({QPointF(11, 8), QPointF(30, 8), QPointF(26, 16), QPointF(8, 16)}));
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.drawRect(QRectF(14, 3.5, 9, 5));
}

// A fresh sheet with a star: start a new game.
void drawNewSymbol(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygonF({QPointF(11, 2), QPointF(21, 2), QPointF(25, 6), QPointF(25, 17), QPointF(11, 17)}));
    p.drawLine(QPointF(21, 2), QPointF(21, 6));
    p.drawLine(QPointF(21, 6), QPointF(25, 6));
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5;
        const double r = k % 2 ? 2.2 : 5.0;
        star << QPointF(17.5 + r * std::cos(a), 11 + r * std::sin(a));
    }
    p.setPen(QPen(QColor(200, 120, 0), 0.8));
    p.setBrush(QColor(255, 210, 0));
    p.drawPolygon(star);
}

// A button's picture: its symbol on the grey of the button, 35 x 19.
// scale 2 gives the source for screens of double density.
QImage buttonPicture(int scale, void (*drawSymbol)(QPainter&)) {
    ScaledPainting painting(QSize(35, 19), scale, QColor(192, 192, 192));
    drawSymbol(painting.painter());
    return painting.finish();
}

} // namespace

void generateBoardAssets(AssetWriter& w) {
    ContactSheet mapSheet(w, QStringLiteral("board_map"), QStringLiteral("Map"));
    const QImage map = writePicture(w, rules::mapPicture(), mapPicture, {.sheet = &mapSheet});
    if (map.size() != QSize(kMapWidth, kMapHeight) || map.pixelColor(10, 300) != QColor(Qt::white))
        w.fail(QStringLiteral("board map: wrong size or the button strip is not white"));

    const QColor shells[3] = {QColor(0, 210, 220), QColor(230, 30, 30), QColor(30, 60, 235)};
    ContactSheet chipSheet(w, QStringLiteral("board_chips"), QStringLiteral("Chips (x4)"));
    for (int player = 1; player <= 3; ++player)
        for (int d = 1; d <= 4; ++d) {
            const QString name = rules::chipPicture(player, d);
            const QImage c =
                writePicture(w, name, [&](int scale) { return chip(shells[player - 1], d, scale); });
            if (c.size() != QSize(21, 16) || qAlpha(c.pixel(0, 0)) != 0)
                w.fail(QStringLiteral("%1: wrong size or no transparent corner").arg(name));
            chipSheet.add(c.scaled(84, 64), name);
        }
    // The desktop icon at the sizes of the icon theme; installed with the
    // program, and the windows' own icon.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        w.png(QStringLiteral("icons/%1.png").arg(size), appIcon(size));
    writePicture(w, rules::openButtonPicture(),
                 [](int scale) { return buttonPicture(scale, drawOpenSymbol); });
    writePicture(w, rules::newButtonPicture(), [](int scale) { return buttonPicture(scale, drawNewSymbol); });
    writeBoardHelp(w, map);
}

} // namespace zorna::assets
