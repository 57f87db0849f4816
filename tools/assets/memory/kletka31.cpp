// kletka31: 36 pictures to remember.
#include "common/picture_writer.h"
#include "generators.h"
#include "memory/kletka31_data.h"
#include "memory/object_picture.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/memory/memory_tables.h"

namespace zorna::assets {

using namespace kletka31;

void generateKletka31(AssetWriter& w) {
    if (kObjects.size() != kRememberPool)
        w.fail(QStringLiteral("kletka31: %1 pictures instead of %2").arg(kObjects.size()).arg(kRememberPool));
    ContactSheet sheet(w, rules::taskFolder(31), QStringLiteral("kletka31: 36 pictures to remember"));
    for (int m = 1; m <= kObjects.size(); ++m) {
        const QString file = rules::taskPicture(31, m);
        writePicture(w, file,
                     [&](int scale) {
                         return objectPicture(w, file, tw(kRememberCellTwips), kObjects[m - 1], kGround,
                                              scale);
                     },
                     {.jpegQuality = 94, .sheet = &sheet, .caption = QString::number(m)});
    }
}

} // namespace zorna::assets
