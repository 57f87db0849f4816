// Pictures of the pair-choice, missing-detail, odd-one-out and question-file
// windows; each kind is drawn in its own file of this folder.
#include "choice_draw.h"
#include "generators.h"

namespace zorna::assets {

void generateChoiceAssets(AssetWriter& w) {
    choice::generatePairPictures(w);
    choice::generateDetailPictures(w);
    choice::generateOddPictures(w);
    choice::generateQuestionPictures(w);
}

} // namespace zorna::assets
