// The eleven assembly pictures: simple scenes painted with QPainter and the
// colour emoji font, laid out so that every piece shows part of something.
#include "assembly_scenes.h"

#include "common/emoji.h"
#include "common/picture_writer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>
#include <initializer_list>
#include <random>

namespace zorna::assets {

namespace {

constexpr int kSize = 260;

void vertical(QPainter& p, QRectF r, QColor top, QColor bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// A sky that also changes from left to right, so pieces of one row differ.
void sky(QPainter& p, double bottom, QColor top, QColor horizon) {
    vertical(p, QRectF(0, 0, kSize, bottom), top, horizon);
    QLinearGradient side(0, 0, kSize, 0);
    side.setColorAt(0, QColor(255, 240, 200, 70));
    side.setColorAt(1, QColor(40, 60, 160, 40));
    p.fillRect(QRectF(0, 0, kSize, bottom), side);
}

void cloud(QPainter& p, double x, double y, double s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(QPointF(x, y), 18 * s, 11 * s);
    p.drawEllipse(QPointF(x - 15 * s, y + 4 * s), 12 * s, 8 * s);
    p.drawEllipse(QPointF(x + 16 * s, y + 4 * s), 13 * s, 8 * s);
}

void hill(QPainter& p, double y0, double amp, double phase, QColor top, QColor bottom) {
    QPainterPath path;
    path.moveTo(0, kSize);
    for (int x = 0; x <= kSize; x += 5)
        path.lineTo(x, y0 - amp * std::sin(phase + x / 45.0));
    path.lineTo(kSize, kSize);
    path.closeSubpath();
    QLinearGradient g(0, y0 - amp, 0, kSize);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

void grass(QPainter& p, double yFrom, double yTo, unsigned seed, QColor colour) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> x(0, kSize), y(yFrom, yTo), lean(-4, 4);
    p.setPen(QPen(colour, 1.3));
    for (int i = 0; i < 260; ++i) {
        const double gx = x(rng), gy = y(rng);
        p.drawLine(QPointF(gx, gy), QPointF(gx + lean(rng), gy - 6));
    }
}

void fence(QPainter& p, double y, double h) {
    p.setPen(QPen(QColor(0x6b4423), 1));
    p.setBrush(QColor(0xc8945a));
    p.drawRect(QRectF(0, y + h * 0.3, kSize, 4));
    p.drawRect(QRectF(0, y + h * 0.7, kSize, 4));
    for (int x = 4; x < kSize; x += 16) {
        QPolygonF post;
        post << QPointF(x, y + 4) << QPointF(x + 4, y) << QPointF(x + 8, y + 4) << QPointF(x + 8, y + h)
             << QPointF(x, y + h);
        p.drawPolygon(post);
    }
}

// `count` ellipses scattered by a seeded generator over the width and the top
// `heightShare` of the scene, their radii between `rMin` and `rMax`; `style`
// sets the pen and brush of the i-th.
void scatter(QPainter& p, unsigned seed, int count, double rMin, double rMax, double heightShare,
             const std::function<void(QPainter&, int i)>& style) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> c(0, kSize), r(rMin, rMax);
    for (int i = 0; i < count; ++i) {
        style(p, i);
        const double ry = r(rng);
        const double rx = r(rng);
        const double cy = c(rng) * heightShare;
        const double cx = c(rng);
        p.drawEllipse(QPointF(cx, cy), rx, ry);
    }
}

void stars(QPainter& p, unsigned seed, int count) {
    scatter(p, seed, count, 0.6, 1.8, 1.0, [](QPainter& p, int i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 220 - i % 3 * 30));
    });
}

// An emoji of the colour font by its centre and size in pixels.
struct Sticker {
    const char* emoji;
    double x, y;
    int size;
};

void stick(QPainter& p, std::initializer_list<Sticker> stickers) {
    for (const Sticker& s : stickers)
        drawEmojiText(p, QString::fromUtf8(s.emoji), QPointF(s.x, s.y), s.size);
}

void village(QPainter& p) {
    sky(p, 150, QColor(0x3d8ee0), QColor(0xcfe8ff));
    drawEmojiText(p, QStringLiteral("☀️"), QPointF(36, 36), 46);
    cloud(p, 130, 32, 1.1);
    cloud(p, 220, 62, 0.9);
    hill(p, 140, 12, 0.5, QColor(0x7ccc4e), QColor(0x2f7a1f));
    grass(p, 160, 260, 11, QColor(0x256b18));
    QPainterPath road;
    road.moveTo(128, 168);
    road.cubicTo(150, 200, 90, 230, 120, 260);
    road.lineTo(170, 260);
    road.cubicTo(140, 230, 190, 200, 150, 168);
    road.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9b98a));
    p.drawPath(road);
    fence(p, 176, 26);
    stick(p, {{"🏡", 140, 120, 88},
              {"🌳", 42, 120, 70},
              {"🌲", 232, 128, 58},
              {"🐕", 212, 226, 46},
              {"🌷", 30, 228, 32},
              {"🌼", 74, 240, 28},
              {"🐈", 60, 196, 30},
              {"🐦", 200, 20, 24}});
}

void sea(QPainter& p) {
    sky(p, 110, QColor(0x5aa9f0), QColor(0xfff0c8));
    drawEmojiText(p, QStringLiteral("🌞"), QPointF(220, 34), 48);
    cloud(p, 60, 30, 1.0);
    vertical(p, QRectF(0, 105, kSize, 155), QColor(0x2a9fd8), QColor(0x0b2f6b));
    p.setPen(QPen(QColor(255, 255, 255, 150), 2));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 5; ++row)
        for (int x = -10 + row * 7; x < kSize; x += 34)
            p.drawArc(QRectF(x, 114 + row * 16, 20, 8), 0, 180 * 16);
    vertical(p, QRectF(0, 228, kSize, 32), QColor(0xe8d49a), QColor(0xb8944f));
    stick(p, {{"⛵", 76, 92, 62},
              {"🕊️", 150, 26, 30},
              {"🏝️", 166, 92, 36},
              {"🐳", 196, 124, 48},
              {"🐠", 200, 188, 38},
              {"🐟", 60, 180, 36},
              {"🦀", 130, 232, 38},
              {"🐚", 228, 240, 28},
              {"🌿", 26, 236, 34},
              {"🐙", 130, 168, 32}});
}

void space(QPainter& p) {
    QRadialGradient g(QPointF(90, 110), 220);
    g.setColorAt(0, QColor(0x2b1b5e));
    g.setColorAt(1, QColor(0x03030f));
    p.fillRect(QRectF(0, 0, kSize, kSize), g);
    stars(p, 7, 160);
    stick(p, {{"🪐", 62, 58, 72},
              {"☄️", 150, 30, 36},
              {"🚀", 196, 90, 62},
              {"🌙", 228, 200, 50},
              {"🌍", 66, 196, 74},
              {"🧑‍🚀", 150, 160, 50},
              {"🛰️", 30, 128, 30},
              {"⭐", 150, 236, 26},
              {"🌟", 236, 24, 24}});
}

void barn(QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(0x5a1010), 2));
    p.setBrush(QColor(0xb22222));
    p.drawRect(r.adjusted(0, r.height() * 0.35, 0, 0));
    QPolygonF roof;
    roof << QPointF(r.left() - 6, r.top() + r.height() * 0.37) << QPointF(r.center().x(), r.top())
         << QPointF(r.right() + 6, r.top() + r.height() * 0.37);
    p.setBrush(QColor(0x6e3b1e));
    p.drawPolygon(roof);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    const QRectF door(r.center().x() - 16, r.bottom() - 36, 32, 36);
    p.drawRect(door);
    p.drawLine(door.topLeft(), door.bottomRight());
    p.drawLine(door.topRight(), door.bottomLeft());
}

void farm(QPainter& p) {
    sky(p, 140, QColor(0x6fb7ff), QColor(0xe8f6ff));
    cloud(p, 200, 28, 1.0);
    drawEmojiText(p, QStringLiteral("🌤️"), QPointF(36, 34), 44);
    hill(p, 130, 8, 2.0, QColor(0xa8d85a), QColor(0x5c9a2a));
    grass(p, 150, 260, 23, QColor(0x3e7a1c));
    barn(p, QRectF(100, 40, 92, 110));
    fence(p, 150, 24);
    stick(p, {{"🐄", 60, 190, 62},
              {"🐖", 186, 206, 50},
              {"🐓", 36, 236, 34},
              {"🚜", 228, 128, 50},
              {"🌾", 238, 240, 32},
              {"🐑", 118, 236, 38},
              {"🌻", 40, 112, 36}});
}

void winter(QPainter& p) {
    sky(p, 150, QColor(0x8aa7c8), QColor(0xe6eef8));
    hill(p, 150, 14, 1.2, QColor(0xffffff), QColor(0xc9d9ec));
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> c(0, kSize);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 120; ++i) {
        const double y = c(rng) * 0.62;
        const double x = c(rng);
        p.drawEllipse(QPointF(x, y), 1.6, 1.6);
    }
    stick(p, {{"☃️", 132, 150, 84},
              {"🌲", 36, 118, 62},
              {"🌲", 226, 104, 56},
              {"🏠", 200, 182, 48},
              {"❄️", 36, 30, 32}});
    cloud(p, 104, 30, 1.0);
    stick(p, {{"❄️", 166, 50, 24},
              {"🌙", 228, 32, 36},
              {"🐦", 100, 98, 22},
              {"🛷", 58, 226, 42},
              {"⛷️", 226, 236, 36},
              {"🐧", 130, 238, 30},
              {"🐇", 50, 178, 28}});
}

void city(QPainter& p) {
    sky(p, 170, QColor(0xff9a5a), QColor(0xffe2a8));
    struct House {
        double x, w, h;
        QRgb colour;
    };
    const House houses[] = {{0, 44, 120, 0x7b8ca6},   {46, 38, 150, 0xb36b4b},  {86, 50, 96, 0x5d7d5a},
                            {138, 40, 140, 0x8a6fa8}, {180, 36, 110, 0xc9a04b}, {218, 42, 132, 0x4b7fa8}};
    for (const House& h : houses) {
        const QRectF r(h.x, 190 - h.h, h.w, h.h);
        p.setPen(QPen(QColor(0x303030), 1));
        p.setBrush(QColor(h.colour));
        p.drawRect(r);
        p.setPen(Qt::NoPen);
        int i = 0;
        for (double y = r.top() + 8; y < r.bottom() - 14; y += 16)
            for (double x = r.left() + 6; x < r.right() - 8; x += 12)
                p.fillRect(QRectF(x, y, 7, 9), (++i % 3) ? QColor(0xffe680) : QColor(0x34405a));
    }
    vertical(p, QRectF(0, 190, kSize, 70), QColor(0x5a5a5a), QColor(0x3a3a3a));
    p.fillRect(QRectF(0, 188, kSize, 5), QColor(0xbdbdbd));
    for (int x = 6; x < kSize; x += 30)
        p.fillRect(QRectF(x, 226, 16, 4), QColor(0xffffff));
    stick(p, {{"🚗", 52, 212, 40},
              {"🚌", 170, 244, 44},
              {"🚦", 246, 176, 34},
              {"🚲", 100, 246, 30},
              {"🚕", 230, 212, 34},
              {"🎈", 30, 40, 30},
              {"✈️", 190, 22, 30},
              {"🕊️", 110, 30, 22}});
}

void forest(QPainter& p) {
    vertical(p, QRectF(0, 0, kSize, kSize), QColor(0x9fd88a), QColor(0x2f5e22));
    grass(p, 120, 260, 31, QColor(0x1e4a14));
    QPainterPath path;
    path.moveTo(100, 260);
    path.cubicTo(120, 200, 160, 180, 140, 120);
    path.lineTo(160, 120);
    path.cubicTo(185, 180, 150, 210, 160, 260);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb89060));
    p.drawPath(path);
    stick(p, {{"🌲", 30, 40, 62},
              {"🌳", 96, 30, 58},
              {"🌲", 170, 36, 58},
              {"🌳", 232, 44, 56},
              {"🦉", 100, 92, 36},
              {"🦌", 186, 96, 40},
              {"🐦", 242, 84, 24},
              {"🦊", 60, 150, 50},
              {"🐻", 212, 150, 58},
              {"🦔", 96, 226, 40},
              {"🍄", 28, 232, 32},
              {"🍄", 236, 236, 28},
              {"🐿️", 30, 98, 36},
              {"🐌", 196, 224, 26}});
}

void aquarium(QPainter& p) {
    vertical(p, QRectF(0, 0, kSize, kSize), QColor(0x7fe0f0), QColor(0x0d4f7a));
    vertical(p, QRectF(0, 226, kSize, 34), QColor(0xf0d9a0), QColor(0xc09a50));
    // Bubbles.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 180), 1.2));
    scatter(p, 9, 40, 2, 5, 0.85, [](QPainter&, int) {});
    p.setPen(QPen(QColor(0x1f8a3a), 5, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 5; ++k) {
        QPainterPath weed;
        const double x = 14 + k * 58;
        weed.moveTo(x, 250);
        weed.cubicTo(x - 10, 210, x + 12, 190, x - 2, 150 + (k % 2) * 20);
        p.drawPath(weed);
    }
    stick(p, {{"🐠", 34, 40, 44},
              {"🐡", 226, 100, 40},
              {"🐢", 110, 110, 50},
              {"🦑", 30, 104, 34},
              {"🐟", 164, 40, 46},
              {"🐋", 166, 104, 42},
              {"🐚", 30, 244, 24},
              {"🦞", 232, 236, 32},
              {"🐙", 60, 170, 54},
              {"🐟", 220, 168, 38},
              {"🦀", 160, 236, 32},
              {"🐚", 96, 240, 26},
              {"🦐", 130, 200, 26},
              {"🐬", 98, 30, 46},
              {"🦈", 228, 34, 48}});
}

void railway(QPainter& p) {
    sky(p, 160, QColor(0x4f8fd8), QColor(0xd8ecff));
    cloud(p, 200, 30, 1.0);
    drawEmojiText(p, QStringLiteral("☀️"), QPointF(40, 30), 36);
    p.setPen(Qt::NoPen);
    const double peaks[][3] = {{40, 60, 70}, {120, 40, 80}, {210, 70, 60}};
    for (const auto& pk : peaks) {
        QPolygonF m;
        m << QPointF(pk[0] - pk[2], 160) << QPointF(pk[0], pk[1]) << QPointF(pk[0] + pk[2], 160);
        p.setBrush(QColor(0x7a7f8a));
        p.drawPolygon(m);
        QPolygonF snow;
        snow << QPointF(pk[0] - pk[2] * 0.25, pk[1] + 25) << QPointF(pk[0], pk[1])
             << QPointF(pk[0] + pk[2] * 0.25, pk[1] + 25);
        p.setBrush(Qt::white);
        p.drawPolygon(snow);
    }
    hill(p, 170, 6, 0.3, QColor(0x8fd05a), QColor(0x3c7a20));
    grass(p, 180, 260, 41, QColor(0x2d6518));
    p.fillRect(QRectF(0, 214, kSize, 10), QColor(0x8a6a4a));
    for (int x = 2; x < kSize; x += 12)
        p.fillRect(QRectF(x, 210, 6, 18), QColor(0x5a3a1a));
    p.fillRect(QRectF(0, 212, kSize, 3), QColor(0x303030));
    p.fillRect(QRectF(0, 222, kSize, 3), QColor(0x303030));
    stick(p, {{"🚂", 206, 186, 56},
              {"🚃", 142, 186, 52},
              {"🚃", 80, 186, 52},
              {"🚃", 20, 186, 52},
              {"🌲", 36, 244, 30},
              {"🐄", 128, 246, 30},
              {"🌳", 226, 244, 32},
              {"🦅", 150, 20, 24}});
}

void meadow(QPainter& p) {
    sky(p, 130, QColor(0x80c8ff), QColor(0xf0faff));
    drawEmojiText(p, QStringLiteral("🌈"), QPointF(130, 60), 110);
    hill(p, 128, 10, 4.0, QColor(0xb6e36b), QColor(0x4f9a2a));
    grass(p, 140, 260, 51, QColor(0x3a7a1a));
    stick(p, {{"🦋", 40, 40, 36},
              {"🐝", 220, 30, 30},
              {"🌻", 34, 180, 50},
              {"🌸", 110, 164, 34},
              {"🌷", 170, 190, 40},
              {"🌼", 232, 160, 36},
              {"🐞", 90, 230, 32},
              {"🐌", 224, 232, 36},
              {"🍓", 34, 238, 28},
              {"🐸", 158, 240, 32},
              {"🪁", 226, 92, 40},
              {"🐦", 30, 98, 30}});
}

void party(QPainter& p) {
    vertical(p, QRectF(0, 0, kSize, 180), QColor(0xfbe3f0), QColor(0xd8b8e8));
    // Wallpaper stripes and a garland of flags.
    for (int x = 0; x < kSize; x += 26)
        p.fillRect(QRectF(x, 0, 10, 180), QColor(255, 255, 255, 90));
    p.setPen(QPen(QColor(0x604020), 1.5));
    p.drawLine(QPointF(0, 14), QPointF(kSize, 30));
    const QRgb flags[] = {0xe53935, 0xfdd835, 0x43a047, 0x1e88e5, 0x8e24aa};
    for (int i = 0; i < 11; ++i) {
        const double x = 6 + i * 24, y = 14 + x * 16 / kSize;
        QPolygonF f;
        f << QPointF(x, y) << QPointF(x + 16, y + 1) << QPointF(x + 8, y + 18);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(flags[i % 5]));
        p.drawPolygon(f);
    }
    vertical(p, QRectF(0, 180, kSize, 80), QColor(0xa0522d), QColor(0x5e2e14));
    p.fillRect(QRectF(0, 176, kSize, 8), QColor(0xdeb887));
    stick(p, {{"🎂", 130, 146, 72},
              {"🎈", 36, 70, 52},
              {"🎈", 222, 74, 48},
              {"🎉", 130, 64, 38},
              {"🎁", 50, 214, 46},
              {"🎁", 212, 218, 42},
              {"🧸", 44, 150, 40},
              {"🍭", 220, 150, 36},
              {"🥤", 132, 232, 32}});
}

} // namespace

QImage Scene::draw(int scale) const {
    ScaledPainting painting(QSize(kSize, kSize), scale);
    paint(painting.painter());
    return painting.finish();
}

QList<Scene> assemblyScenes() {
    return {
        {QStringLiteral("village"), village}, {QStringLiteral("sea"), sea},
        {QStringLiteral("space"), space},     {QStringLiteral("farm"), farm},
        {QStringLiteral("winter"), winter},   {QStringLiteral("city"), city},
        {QStringLiteral("forest"), forest},   {QStringLiteral("aquarium"), aquarium},
        {QStringLiteral("railway"), railway}, {QStringLiteral("meadow"), meadow},
        {QStringLiteral("party"), party},
    };
}

} // namespace zorna::assets
