// kletka33: six items.
#include "common/picture_writer.h"
#include "generators.h"
#include "memory/kletka33_data.h"
#include "memory/object_picture.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/memory/memory_tables.h"

namespace zorna::assets {

using namespace kletka33;

void generateKletka33(AssetWriter& w) {
    if (kItems.size() != kPlaceItems)
        w.fail(QStringLiteral("kletka33: %1 pictures instead of %2").arg(kItems.size()).arg(kPlaceItems));
    ContactSheet sheet(w, rules::taskFolder(33), QStringLiteral("kletka33: six items"));
    for (int m = 1; m <= kItems.size(); ++m) {
        const QString file = rules::taskPicture(33, m);
        writePicture(w, file,
                     [&](int scale) {
                         return objectPicture(w, file, tw(kPlaceCellTwips), kItems[m - 1], kGround, scale);
                     },
                     {.jpegQuality = 94, .sheet = &sheet, .caption = QString::number(m)});
    }
}

} // namespace zorna::assets
