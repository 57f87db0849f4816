#include "generators.h"

namespace zorna::assets {

void generateMemoryAssets(AssetWriter& w) { Q_UNUSED(w); }

} // namespace zorna::assets
