#include "generators.h"

namespace zorna::assets {

void generatePuzzleAssets(AssetWriter& w) { Q_UNUSED(w); }

} // namespace zorna::assets
