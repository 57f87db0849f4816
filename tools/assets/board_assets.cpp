#include "generators.h"

namespace zorna::assets {

void generateBoardAssets(AssetWriter& w) { Q_UNUSED(w); }

} // namespace zorna::assets
