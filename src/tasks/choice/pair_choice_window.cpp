#include "tasks/choice/pair_choice_window.h"

#include "platform/geometry.h"
#include "platform/text_fit.h"

namespace zorna {

using namespace choice;

PairChoiceWindow::PairChoiceWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), row_(*pairChoiceRow(task.windowNumber)) {
    setClientSizeTw(this, row_.clientWidth, row_.clientHeight);

    winText = new QLabel(QStringLiteral("gfgf"), this);
    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, row_.text.left, row_.text.top, row_.text.width, row_.text.height);
    winText->setFont(gameFont(QStringLiteral("Arial"), 12, true));
    winText->setWordWrap(true);
    winText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Dark blue on the caption-text colour (white in the usual desktop scheme).
    setTextColour(winText, QColor(0x0000C0));
    setBackground(winText, Qt::white);

    winMal = new PictureBox(this, Qt::transparent);
    winMal->setObjectName(QStringLiteral("winMal"));
    placeTw(winMal, row_.picture.left, row_.picture.top, row_.picture.width, row_.picture.height);

    for (int i = 0; i < kPairRegions; ++i) {
        const Twips& r = kPairRegionTwips[i];
        auto* region = new AnswerRegion(i + 1, ctx.folder, winMal);
        placeTw(region, r.left, r.top, r.width, r.height);
        // The pressed-hand cursor shows only until the mouse moves again.
        region->setReloadOnMove(true);
        connect(region, &AnswerRegion::clicked, this, &PairChoiceWindow::Fokus_Click);
        Fokus[i] = region;
    }
    useDeck(row_.pictureCount);
}

void PairChoiceWindow::Form_Load() {
    clicks_ = 0;
    setBusy(true);
    winText->setText(QString::fromUtf8(row_.instruction));
    shrinkToFit(winText);
    const int n = loadAndDrawPicture();
    winMal->showPicture(picturePath(n));
}

void PairChoiceWindow::Fokus_Click(int index) {
    if (!busy() || clicks_ >= 2)
        return;
    clicked_[clicks_++] = index;
    if (clicks_ < 2)
        return;
    const RegionPair& pair = row_.answers[current() - 1];
    const bool right = (clicked_[0] == pair.first && clicked_[1] == pair.second) ||
                       (clicked_[1] == pair.first && clicked_[0] == pair.second);
    answer(right);
}

} // namespace zorna
