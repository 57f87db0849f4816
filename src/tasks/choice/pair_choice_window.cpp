#include "tasks/choice/pair_choice_window.h"

#include "platform/geometry.h"
#include "platform/text_fit.h"
#include "tasks/common/task_registry.h"

namespace zorna {

namespace {

const QColor kPickMark(0x0000C0);

const TaskRegistration registration{TaskFamily::Choice, openWindow<PairChoiceWindow>,
                                    choice::kPairChoiceRows};

} // namespace

using namespace choice;

PairChoiceWindow::PairChoiceWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), row_(*pairChoiceRow(task.windowNumber)) {
    setClientSizeTw(this, row_.clientWidth, row_.clientHeight);

    instruction_ = new QLabel(this);
    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, row_.text.left, row_.text.top, row_.text.width, row_.text.height);
    instruction_->setFont(gameFont(QStringLiteral("Arial"), 12, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Dark blue on the caption-text colour (white in the usual desktop scheme).
    setTextColour(instruction_, QColor(0x0000C0));
    setBackground(instruction_, Qt::white);

    picture_ = new PictureBox(this, Qt::transparent);
    picture_->setObjectName(QStringLiteral("winMal"));
    placeTw(picture_, row_.picture.left, row_.picture.top, row_.picture.width, row_.picture.height);

    for (int i = 0; i < kPairRegions; ++i) {
        const Twips& r = kPairRegionTwips[i];
        auto* region = new AnswerRegion(i + 1, ctx_.folder, picture_);
        placeTw(region, r.left, r.top, r.width, r.height);
        // The pressed-hand cursor shows only until the mouse moves again.
        region->setReloadOnMove(true);
        connect(region, &AnswerRegion::clicked, this, &PairChoiceWindow::regionClicked);
        regions_[i] = region;
    }
    useDeck(row_.pictureCount);
}

void PairChoiceWindow::load() {
    clicks_ = 0;
    for (AnswerRegion* region : regions_)
        region->setMark(QColor());
    setBusy(true);
    instruction_->setText(QString::fromUtf8(row_.instruction));
    shrinkToFit(instruction_);
    const int n = loadAndDrawPicture();
    picture_->showPicture(picturePath(n));
}

void PairChoiceWindow::regionClicked(int index) {
    if (!busy() || clicks_ >= 2)
        return;
    clicked_[clicks_++] = index;
    // The first pick stays framed in the instruction's blue until the second one answers.
    region(clicked_[0])->setMark(clicks_ < 2 ? kPickMark : QColor());
    if (clicks_ < 2)
        return;
    const RegionPair& pair = row_.answers[current() - 1];
    const bool right = (clicked_[0] == pair.first && clicked_[1] == pair.second) ||
                       (clicked_[1] == pair.first && clicked_[0] == pair.second);
    answer(right);
}

} // namespace zorna
