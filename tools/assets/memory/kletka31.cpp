// kletka31: 36 pictures to remember.
#include "generators.h"
#include "memory/kletka31_data.h"
#include "memory/object_picture.h"
#include "tasks/memory/memory_tables.h"

namespace zorna::assets {

void generateKletka31(AssetWriter& w) {
    writeObjectPictures(w, 31, kletka31::kObjects, kRememberPool, kRememberCellTwips, kletka31::kGround,
                        QStringLiteral("kletka31: 36 pictures to remember"));
}

} // namespace zorna::assets
