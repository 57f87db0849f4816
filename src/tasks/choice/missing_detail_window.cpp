#include "tasks/choice/missing_detail_window.h"

#include "platform/geometry.h"
#include "tasks/common/task_registry.h"

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Choice,
    openWindow<MissingDetailWindow>,
    {.square = 5, .windowNumber = choice::kDetailWindow, .category = 4, .caption = "Завдання №5"}};

} // namespace

using namespace choice;

MissingDetailWindow::MissingDetailWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 6495, 5715);

    instruction_ = new QLabel(this);
    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, 120, 120, 6255, 1215);
    instruction_->setFont(gameFont(QStringLiteral("Arial"), 12, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Dark blue on the caption-text colour (white in the usual desktop scheme).
    setTextColour(instruction_, QColor(0x0000C0));
    setBackground(instruction_, Qt::white);

    picture_ = new PictureBox(this);
    picture_->setObjectName(QStringLiteral("winMal"));
    const Twips& m = kDetailPictureTwips;
    placeTw(picture_, m.left, m.top, m.width, m.height);

    for (int i = 0; i < 5; ++i)
        fiveRegions_[i] = makeRegion(i + 1, kDetailFiveTwips[i], "Fokus");
    for (int i = 0; i < 7; ++i)
        sevenRegions_[i] = makeRegion(i + 1, kDetailSevenTwips[i], "Fokus1_");

    showTimer_ = &addTimer(1000, [this] { showTick(); });
    useDeck(kDetailPictureCount);
}

AnswerRegion* MissingDetailWindow::makeRegion(int index, const Twips& r, const char* name) {
    auto* region = new AnswerRegion(index, ctx_.folder, picture_);
    region->setObjectName(QString::fromLatin1(name) + QString::number(index));
    placeTw(region, r.left, r.top, r.width, r.height);
    region->setReloadOnMove(true);
    connect(region, &AnswerRegion::clicked, this, &MissingDetailWindow::showCandidate);
    return region;
}

QString MissingDetailWindow::detailPath(int n, int k) const {
    return ctx_.folder.path(QStringLiteral("kletka11/%1/%2.jpg").arg(n).arg(k));
}

void MissingDetailWindow::load() {
    showTimer_->stop();
    ticks_ = 0;
    setBusy(true);
    instruction_->setText(QString::fromUtf8(kDetailInstruction));
    const int n = loadAndDrawPicture();
    picture_->showPicture(picturePath(n));
    // The region set follows the picture's layout; both sets stay in place.
    const bool seven = detailUsesSeven(n);
    for (AnswerRegion* region : fiveRegions_)
        setRegionActive(region, !seven);
    for (AnswerRegion* region : sevenRegions_)
        setRegionActive(region, seven);
}

void MissingDetailWindow::setRegionActive(AnswerRegion* region, bool active) {
    region->setEnabled(active);
    // The two sets overlap: a region of the other set must not catch the press
    // meant for the one under it.
    region->setAttribute(Qt::WA_TransparentForMouseEvents, !active);
}

void MissingDetailWindow::showCandidate(int k) {
    if (chosen_ != 0)
        return;
    chosen_ = k;
    setEnabled(false);
    picture_->showPicture(detailPath(current(), k));
    showTimer_->start();
}

void MissingDetailWindow::showTick() {
    ++ticks_;
    if (ticks_ < 2)
        return;
    showTimer_->stop();
    answer(chosen_ == kDetailAnswers[current() - 1]);
}

} // namespace zorna
