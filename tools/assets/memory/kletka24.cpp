// kletka24: fourteen scenes to look at for thirty seconds, each with a second
// version in which one object, inside the window's region of that picture,
// has changed. The generator checks pixel by pixel that nothing changed
// outside the region, and that the change fills most of the region with a
// clear change of colour.
#include "common/emoji.h"
#include "common/picture_pixels.h"
#include "common/picture_writer.h"
#include "generators.h"
#include "memory/kletka24_data.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/memory/memory_tables.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <array>
#include <functional>

namespace zorna::assets {

namespace {

constexpr int kW = tw(kChangedPictureTwips.width);
constexpr int kH = tw(kChangedPictureTwips.height);
// The time bar covers the right edge while the player memorises.
constexpr int kFreeRight = 455;

// --- backgrounds ---

void skyAndGround(QPainter& p, QColor skyTop, QColor skyBottom, QColor ground, int horizon) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, skyTop);
    sky.setColorAt(1, skyBottom);
    p.fillRect(0, 0, kW, horizon, sky);
    p.fillRect(0, horizon, kW, kH - horizon, ground);
}

} // namespace

// The backgrounds the scene table names.
namespace kletka24 {

void room(QPainter& p) {
    p.fillRect(0, 0, kW, 170, QColor(246, 226, 190));
    for (int x = 0; x < kW; x += 24)
        p.fillRect(x, 0, 10, 170, QColor(240, 216, 176));
    p.fillRect(0, 170, kW, kH - 170, QColor(170, 115, 70));
    for (int y = 180; y < kH; y += 22)
        p.fillRect(0, y, kW, 2, QColor(150, 98, 58));
    p.fillRect(0, 164, kW, 8, QColor(120, 80, 50));
    // A window with a blue sky.
    p.setPen(QPen(QColor(255, 255, 255), 6));
    p.setBrush(QColor(150, 205, 245));
    p.drawRect(QRect(200, 24, 110, 90));
    p.drawLine(255, 24, 255, 114);
    p.drawLine(200, 69, 310, 69);
}

void yard(QPainter& p) {
    skyAndGround(p, QColor(120, 180, 240), QColor(200, 230, 250), QColor(110, 180, 80), 150);
    p.setPen(QPen(QColor(150, 110, 70), 2));
    p.setBrush(QColor(230, 200, 150));
    for (int x = 10; x < kW; x += 22)
        p.drawRect(QRect(x, 118, 14, 40));
    p.drawLine(0, 128, kW, 128);
    p.drawLine(0, 148, kW, 148);
}

void tablecloth(QPainter& p) {
    p.fillRect(0, 0, kW, kH, QColor(252, 246, 232));
    for (int x = 0; x < kW; x += 40)
        p.fillRect(x, 0, 14, kH, QColor(230, 240, 250));
    for (int y = 0; y < kH; y += 40)
        p.fillRect(0, y, kW, 14, QColor(230, 240, 250));
}

void musicRoom(QPainter& p) {
    p.fillRect(0, 0, kW, kH, QColor(220, 232, 215));
    p.fillRect(0, 262, kW, kH - 262, QColor(150, 110, 80));
    p.setBrush(QColor(140, 95, 60));
    p.setPen(QPen(QColor(100, 65, 40), 1));
    for (int y : {86, 176})
        p.drawRect(QRect(10, y, 300, 10));
}

void kitchen(QPainter& p) {
    p.fillRect(0, 0, kW, kH, QColor(235, 245, 250));
    p.setPen(QPen(QColor(200, 220, 230), 1));
    for (int x = 0; x < kW; x += 30)
        p.drawLine(x, 0, x, 190);
    for (int y = 0; y < 190; y += 30)
        p.drawLine(0, y, kW, y);
    p.fillRect(0, 190, kW, 14, QColor(120, 120, 130));
    p.fillRect(0, 204, kW, kH - 204, QColor(200, 160, 110));
    p.setPen(QPen(QColor(160, 120, 80), 2));
    for (int x = 0; x < kW; x += 100)
        p.drawRect(QRect(x + 6, 214, 88, 84));
}

void park(QPainter& p) {
    skyAndGround(p, QColor(140, 200, 250), QColor(220, 240, 250), QColor(120, 190, 90), 140);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 200, 150));
    QPainterPath path;
    path.moveTo(180, 140);
    path.quadTo(140, 220, 60, kH);
    path.lineTo(200, kH);
    path.quadTo(220, 220, 210, 140);
    path.closeSubpath();
    p.drawPath(path);
}

void beach(QPainter& p) {
    skyAndGround(p, QColor(100, 170, 240), QColor(200, 230, 250), QColor(240, 215, 150), 150);
    p.fillRect(0, 110, kW, 50, QColor(60, 140, 210));
    p.setPen(QPen(QColor(230, 245, 255), 2));
    for (int x = 0; x < kW; x += 40)
        p.drawArc(QRect(x, 150, 40, 12), 0, 180 * 16);
}

void desk(QPainter& p) {
    p.fillRect(0, 0, kW, kH, QColor(190, 140, 90));
    p.setPen(QPen(QColor(170, 120, 75), 2));
    for (int y = 10; y < kH; y += 26)
        p.drawLine(0, y, kW, y + 6);
}

void space(QPainter& p) {
    p.fillRect(0, 0, kW, kH, QColor(15, 20, 55));
    QRandomGenerator rnd(2409);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 230));
    for (int i = 0; i < 90; ++i) {
        const int y = rnd.bounded(kH);
        const int x = rnd.bounded(kW);
        p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }
}

void street(QPainter& p) {
    skyAndGround(p, QColor(130, 190, 245), QColor(210, 235, 250), QColor(190, 190, 190), 200);
    p.fillRect(0, 240, kW, kH - 240, QColor(90, 90, 95));
    p.setPen(QPen(Qt::white, 3, Qt::DashLine));
    p.drawLine(0, 296, kW, 296);
}

void aquarium(QPainter& p) {
    QLinearGradient water(0, 0, 0, kH);
    water.setColorAt(0, QColor(120, 200, 240));
    water.setColorAt(1, QColor(30, 110, 180));
    p.fillRect(0, 0, kW, kH, water);
    p.fillRect(0, 270, kW, kH - 270, QColor(230, 210, 160));
    p.setPen(QPen(QColor(40, 150, 60), 5, Qt::SolidLine, Qt::RoundCap));
    for (int x : {30, 120, 420})
        for (int k = 0; k < 3; ++k)
            p.drawLine(QPointF(x + 8 * k, 272), QPointF(x + 8 * k + (k - 1) * 10, 200 + 12 * k));
}

void farm(QPainter& p) {
    skyAndGround(p, QColor(150, 200, 245), QColor(225, 240, 250), QColor(140, 195, 90), 110);
    p.setPen(QPen(QColor(90, 40, 30), 2));
    p.setBrush(QColor(190, 50, 40));
    p.drawRect(QRect(16, 40, 100, 80));
    p.drawPolygon(QPolygon{{10, 42}, {66, 6}, {122, 42}});
    p.setBrush(QColor(250, 240, 220));
    p.drawRect(QRect(48, 74, 36, 46));
}

void winter(QPainter& p) {
    skyAndGround(p, QColor(170, 200, 230), QColor(230, 240, 250), QColor(250, 252, 255), 100);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 242, 250));
    for (int x = 0; x < kW; x += 70)
        p.drawEllipse(QRect(x - 20, 90, 110, 30));
}

void garden(QPainter& p) {
    skyAndGround(p, QColor(140, 200, 250), QColor(220, 240, 250), QColor(120, 180, 80), 110);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 90, 60));
    for (int y : {140, 214})
        p.drawRoundedRect(QRect(10, y, 440, 50), 16, 16);
}

} // namespace kletka24

namespace {

using namespace kletka24;

// --- the scenes ---

// The changed detail of picture n, from the window's table, as a rectangle.
QRect changedRegion(int n) {
    const ChangedRegion& r = kChangedRegions[n - 1];
    return QRect(QPoint(r.x1, r.y1), QPoint(r.x2, r.y2));
}

// Places every decoration where it overlaps neither another one nor the
// changed region (with a margin), from a fixed seed.
QList<QPair<QRect, QString>> placeDecor(AssetWriter& w, const Scene& scene, const QRect& region,
                                        quint32 seed) {
    QRandomGenerator rnd(seed);
    QList<QRect> taken{region.adjusted(-6, -6, 6, 6)};
    QList<QPair<QRect, QString>> placed;
    for (const Decor& d : scene.decor) {
        bool done = false;
        for (int attempt = 0; attempt < 4000 && !done; ++attempt) {
            const int size = d.minSize + int(rnd.bounded(d.maxSize - d.minSize + 1));
            const QRect area = d.area.intersected(QRect(4, 4, kFreeRight - 4, kH - 8));
            if (area.width() < size || area.height() < size)
                break;
            const int top = area.top() + int(rnd.bounded(area.height() - size + 1));
            const int left = area.left() + int(rnd.bounded(area.width() - size + 1));
            const QRect box(left, top, size, size);
            bool free = true;
            for (const QRect& t : taken)
                free = free && !t.adjusted(-4, -4, 4, 4).intersects(box);
            if (free) {
                taken.append(box);
                placed.append({box, QString::fromUtf8(d.emoji)});
                done = true;
            }
        }
        if (!done)
            w.fail(QStringLiteral("kletka24 %1: no room for %2")
                       .arg(QString::fromLatin1(scene.name), QString::fromUtf8(d.emoji)));
    }
    return placed;
}

// Draws the changed object filling the region: the backing, then the copies of
// the emoji side by side along the region's longer side.
void drawChangedObject(QPainter& p, const QRectF& region, const ChangedObject& object) {
    QRectF room = region;
    if (object.backing.isValid()) {
        p.setPen(QPen(object.backing.darker(140), 2));
        p.setBrush(object.backing);
        p.drawRect(region.adjusted(1, 1, -1, -1));
        room = region.adjusted(5, 5, -5, -5);
    }
    const bool row = room.width() >= room.height();
    for (int i = 0; i < object.count; ++i) {
        const QRectF part = row ? QRectF(room.left() + i * room.width() / object.count, room.top(),
                                         room.width() / object.count, room.height())
                                : QRectF(room.left(), room.top() + i * room.height() / object.count,
                                         room.width(), room.height() / object.count);
        drawEmoji(p, part, QString::fromUtf8(object.emoji));
    }
}

// A pixel counts as changed when a colour channel moves by at least this much.
constexpr int kClearColourChange = 64;
// Share of the region, in percent, that each version's object must cover
// against the bare background, and that the change between them must cover:
// the change fills most of its rectangle and stands out.
constexpr int kObjectCover = 45;
constexpr int kChangeCover = 50;

int percentOf(int part, const QRect& whole) {
    return part * 100 / (whole.width() * whole.height());
}

// The changed detail must be seen in a glance at real size: both objects fill
// most of the region and stand out from the bare background there, and the
// change itself covers most of the region with a clear colour change.
void checkChangeIsVisible(AssetWriter& w, int n, const QImage& bare, const QImage& first,
                          const QImage& changed, const QRect& region) {
    const rules::Pixels background = pixelsOf(bare, region);
    const rules::Pixels before = pixelsOf(first, region);
    const rules::Pixels after = pixelsOf(changed, region);
    const int firstCover =
        percentOf(rules::measureChange(background, before, kClearColourChange).changedPixels, region);
    const int changedCover =
        percentOf(rules::measureChange(background, after, kClearColourChange).changedPixels, region);
    const int changeCover =
        percentOf(rules::measureChange(before, after, kClearColourChange).changedPixels, region);
    if (firstCover < kObjectCover || changedCover < kObjectCover)
        w.fail(
            QStringLiteral("kletka24/%1: the objects cover %2% and %3% of the region against its background")
                .arg(n)
                .arg(firstCover)
                .arg(changedCover));
    if (changeCover < kChangeCover)
        w.fail(
            QStringLiteral("kletka24/%1: the change covers only %2% of the region").arg(n).arg(changeCover));
}

} // namespace

void generateKletka24(AssetWriter& w) {
    const QList<Scene> all = scenes();
    if (all.size() != kChangedPictures)
        w.fail(QStringLiteral("kletka24: %1 scenes for %2 pictures").arg(all.size()).arg(kChangedPictures));
    ContactSheet sheet(
        w, rules::taskFolder(24),
        QStringLiteral("kletka24: scene and changed scene; the window's region in red (sheet only)"));
    for (int n = 1; n <= all.size(); ++n) {
        const Scene& scene = all[n - 1];
        // Drawn at scale 2 as well: the source for screens of double density.
        const QList<QPair<QRect, QString>> decor = placeDecor(w, scene, changedRegion(n), quint32(2400 + n));
        const auto baseAt = [&](int scale) {
            QImage image(kW * scale, kH * scale, QImage::Format_RGB32);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(scale, scale);
            scene.background(p);
            for (const auto& [box, emoji] : decor)
                if (!drawEmoji(p, box, emoji))
                    w.fail(QStringLiteral("kletka24/%1: the emoji font cannot draw %2").arg(n).arg(emoji));
            return image;
        };
        const QImage base = baseAt(1);
        // The object of the region, drawn strictly inside it: only the points
        // strictly inside count as a hit.
        const QRect r = changedRegion(n);
        const QRect inside(r.left() + 1, r.top() + 1, r.width() - 2, r.height() - 2);
        auto withObject = [&](const QImage& ground, int scale, const ChangedObject& object) {
            QImage image = ground.copy();
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(scale, scale);
            p.setClipRect(inside);
            drawChangedObject(p, QRectF(inside), object);
            if (emojiImage(QString::fromUtf8(object.emoji)).isNull())
                w.fail(QStringLiteral("kletka24/%1: the emoji font cannot draw %2")
                           .arg(n)
                           .arg(QString::fromUtf8(object.emoji)));
            return image;
        };
        const QImage first = withObject(base, 1, scene.before);
        const QImage changed = withObject(base, 1, scene.after);
        checkChangeIsVisible(w, n, base, first, changed, inside);
        int differing = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                if (first.pixel(x, y) == changed.pixel(x, y))
                    continue;
                if (!inside.contains(x, y))
                    w.fail(QStringLiteral("kletka24/%1: the pictures differ at %2, %3 outside the region")
                               .arg(n)
                               .arg(x)
                               .arg(y));
                ++differing;
            }
        if (differing * 100 < inside.width() * inside.height() * 15)
            w.fail(QStringLiteral("kletka24/%1: the change is too small to see (%2 pixels)")
                       .arg(n)
                       .arg(differing));
        const QImage sharpBase = baseAt(2);
        writePicture(w, rules::taskFile(24, QStringLiteral("%1.bmp").arg(n)),
                     [&](int scale) { return scale == 1 ? first : withObject(sharpBase, 2, scene.before); },
                     {.sheet = &sheet,
                      .caption = QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(scene.name))});
        writePicture(w, rules::taskFile(24, QStringLiteral("%1_1.bmp").arg(n)),
                     [&](int scale) { return scale == 1 ? changed : withObject(sharpBase, 2, scene.after); },
                     {.sheet = &sheet, .caption = QStringLiteral("%1_1 changed").arg(n), .outline = r});
    }
}

} // namespace zorna::assets
