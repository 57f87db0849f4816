#include "generators.h"

namespace zorna::assets {

void generateChoiceAssets(AssetWriter& w) { Q_UNUSED(w); }

} // namespace zorna::assets
