#include "generators.h"

namespace zorna::assets {

void generateReactionAssets(AssetWriter& w) { Q_UNUSED(w); }

} // namespace zorna::assets
