// kletka33: six items.
#include "generators.h"
#include "memory/kletka33_data.h"
#include "memory/object_picture.h"
#include "tasks/memory/memory_tables.h"

namespace zorna::assets {

void generateKletka33(AssetWriter& w) {
    writeObjectPictures(w, 33, kletka33::kItems, kPlaceItems, kPlaceCellTwips, kletka33::kGround,
                        QStringLiteral("kletka33: six items"));
}

} // namespace zorna::assets
