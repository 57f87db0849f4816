// The pictures of the twelve single-choice windows. The window table gives the
// picture box, the answer regions and the right region of every picture; each
// window's drawer puts the main object in the cells without a region and one
// candidate under each region, the right one under the region of the table.
#include "generators.h"
#include "rules/picture_names.h"
#include "single_choice_draw.h"

#include <QList>
#include <QStringList>

namespace zorna::assets {

namespace {

using Drawer = void (*)(sc::PictureJob&);

Drawer drawerFor(int windowNumber) {
    switch (windowNumber) {
    case 2:
        return sc::drawPartners;
    case 7:
        return sc::drawCubeNetToBox;
    case 17:
        return sc::drawExactCopy;
    case 4:
        return sc::drawOpposites;
    case 3:
        return sc::drawMissingInRow;
    case 14:
        return sc::drawFigureMissing;
    case 12:
        return sc::drawRowContinues;
    case 18:
        return sc::drawNapkin;
    case 20:
        return sc::drawThreeViews;
    case 9:
        return sc::drawBoxToCubeNet;
    case 15:
        return sc::drawFigureFound;
    case 6:
        return sc::drawSharedFeature;
    default:
        return nullptr;
    }
}

} // namespace

void generateSingleChoicePictures(AssetWriter& w) {
    for (const SingleChoiceRow& row : kSingleChoiceRows) {
        const Drawer drawer = drawerFor(row.windowNumber);
        if (!drawer) {
            w.fail(QStringLiteral("no pictures for kletka%1").arg(row.windowNumber));
            continue;
        }
        const sc::Layout layout = sc::layoutOf(row);
        QList<QImage> pictures;
        QStringList captions;
        QList<QRect> outlines;
        for (int n = 1; n <= kSingleChoicePictures; ++n) {
            // Every picture is drawn from its own seed, so the source for screens
            // of double density shows the same picture at twice the size.
            const auto draw = [&](int scale) {
                QImage image(layout.size * scale, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter p(&image);
                p.setRenderHint(QPainter::Antialiasing);
                p.scale(scale, scale);
                sc::PictureJob job{row, n, row.answers[std::size_t(n - 1)], layout, p, w};
                drawer(job);
                return image;
            };
            const QImage image = draw(1);
            const QString name = QStringLiteral("kletka%1/%2.jpg").arg(row.windowNumber).arg(n);
            w.jpeg(name, image);
            w.jpeg(rules::hiDpiName(name), draw(2));
            if (w.wantsContactSheets()) {
                pictures << image;
                captions
                    << QStringLiteral("%1.jpg: right region %2").arg(n).arg(row.answers[std::size_t(n - 1)]);
                outlines << layout.region(row.answers[std::size_t(n - 1)]);
            }
        }
        w.contactSheet(
            QStringLiteral("kletka%1").arg(row.windowNumber),
            QStringLiteral("kletka%1: %2").arg(row.windowNumber).arg(QString::fromUtf8(row.instruction)),
            pictures, captions, outlines);
    }
}

} // namespace zorna::assets
