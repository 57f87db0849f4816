// Pictures of the memory windows: fourteen scenes with one changed detail,
// thirty-six objects to remember and six items to put back in their places.
#include "common/emoji.h"
#include "generators.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/memory/memory_tables.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <array>
#include <functional>

namespace zorna::assets {

void generateChangedScenes(AssetWriter& w);

namespace {

// One picture of a single object on a light ground, for the remember windows;
// scale 2 gives the source for screens of double density.
QImage objectPicture(AssetWriter& w, const QString& file, int size, const QString& emoji, QColor ground,
                     int scale = 1) {
    QImage image(size * scale, size * scale, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(ground.darker(125), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, size - 2, size - 2));
    const double margin = size * 0.14;
    if (!drawEmoji(p, QRectF(margin, margin, size - 2 * margin, size - 2 * margin), emoji))
        w.fail(QStringLiteral("%1: the emoji font cannot draw %2").arg(file, emoji));
    p.end();
    return image;
}

} // namespace

void generateMemoryAssets(AssetWriter& w) {
    // kletka31: thirty-six clearly different objects.
    const QStringList objects{
        QStringLiteral("🍎"),      QStringLiteral("🍌"),      QStringLiteral("🍇"), QStringLiteral("🍓"),
        QStringLiteral("🥕"),   QStringLiteral("🍄"),      QStringLiteral("🌻"), QStringLiteral("🌵"),
        QStringLiteral("🦊"),   QStringLiteral("🐸"),      QStringLiteral("🐟"), QStringLiteral("🐢"),
        QStringLiteral("🦉"),   QStringLiteral("🐞"),      QStringLiteral("🐝"), QStringLiteral("🦋"),
        QStringLiteral("🚗"),      QStringLiteral("🚲"),      QStringLiteral("🚜"), QStringLiteral("🚀"),
        QStringLiteral("⛵"),      QStringLiteral("🏠"),      QStringLiteral("⏰"), QStringLiteral("🔑"),
        QStringLiteral("✂️"), QStringLiteral("✏️"), QStringLiteral("📚"), QStringLiteral("🎸"),
        QStringLiteral("🔔"),      QStringLiteral("☂️"), QStringLiteral("🎁"), QStringLiteral("🧸"),
        QStringLiteral("🍉"),      QStringLiteral("🍍"),      QStringLiteral("👑"), QStringLiteral("🥁"),
    };
    if (objects.size() != kRememberPool)
        w.fail(
            QStringLiteral("kletka31: %1 pictures for a pool of %2").arg(objects.size()).arg(kRememberPool));
    QList<QImage> sheet;
    QStringList captions;
    for (int p = 1; p <= objects.size(); ++p) {
        const QString file = QStringLiteral("kletka31/%1.jpg").arg(p);
        const QImage image =
            objectPicture(w, file, tw(kRememberCellTwips), objects[p - 1], QColor(250, 248, 238));
        w.jpeg(file, image, 94);
        w.jpeg(rules::hiDpiName(file),
               objectPicture(w, file, tw(kRememberCellTwips), objects[p - 1], QColor(250, 248, 238), 2), 94);
        sheet.append(image);
        captions.append(QString::number(p));
    }
    if (w.wantsContactSheets())
        w.contactSheet(QStringLiteral("kletka31"), QStringLiteral("kletka31: 36 pictures to remember"), sheet,
                       captions);

    // kletka33: six items to put back in their places.
    const QStringList items{QStringLiteral("🍐"),    QStringLiteral("🔑"), QStringLiteral("☂️"),
                            QStringLiteral("🧸"), QStringLiteral("🚗"), QStringLiteral("🎈")};
    if (items.size() != kPlaceItems)
        w.fail(QStringLiteral("kletka33: %1 items instead of %2").arg(items.size()).arg(kPlaceItems));
    sheet.clear();
    captions.clear();
    for (int m = 1; m <= items.size(); ++m) {
        const QString file = QStringLiteral("kletka33/%1.jpg").arg(m);
        const QImage image = objectPicture(w, file, tw(kPlaceCellTwips), items[m - 1], QColor(255, 255, 255));
        w.jpeg(file, image, 94);
        w.jpeg(rules::hiDpiName(file),
               objectPicture(w, file, tw(kPlaceCellTwips), items[m - 1], QColor(255, 255, 255), 2), 94);
        sheet.append(image);
        captions.append(QString::number(m));
    }
    if (w.wantsContactSheets())
        w.contactSheet(QStringLiteral("kletka33"), QStringLiteral("kletka33: six items"), sheet, captions);

    generateChangedScenes(w);
}

} // namespace zorna::assets
