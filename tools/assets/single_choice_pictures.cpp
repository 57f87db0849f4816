#include "generators.h"

namespace zorna::assets {

void generateSingleChoicePictures(AssetWriter& w) { Q_UNUSED(w); }

} // namespace zorna::assets
