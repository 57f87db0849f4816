#include "tasks/choice/missing_detail_window.h"

#include "platform/geometry.h"

namespace zorna {

using namespace choice;

MissingDetailWindow::MissingDetailWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 6495, 5715);

    winText = new QLabel(QStringLiteral("gfgf"), this);
    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 120, 120, 6255, 1215);
    winText->setFont(gameFont(QStringLiteral("Arial"), 12, true));
    winText->setWordWrap(true);
    winText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Dark blue on the caption-text colour (white in the usual desktop scheme).
    setTextColour(winText, QColor(0x0000C0));
    setBackground(winText, Qt::white);

    winMal = new PictureBox(this);
    winMal->setObjectName(QStringLiteral("winMal"));
    const Twips& m = kDetailPictureTwips;
    placeTw(winMal, m.left, m.top, m.width, m.height);

    for (int i = 0; i < 5; ++i)
        Fokus[i] = makeRegion(i + 1, kDetailFiveTwips[i], "Fokus");
    for (int i = 0; i < 7; ++i)
        Fokus1[i] = makeRegion(i + 1, kDetailSevenTwips[i], "Fokus1_");

    Timer1 = &addTimer(1000, [this] { Timer1_Timer(); });
    useDeck(kDetailPictureCount);
}

AnswerRegion* MissingDetailWindow::makeRegion(int index, const Twips& r, const char* name) {
    auto* region = new AnswerRegion(index, ctx.folder, winMal);
    region->setObjectName(QString::fromLatin1(name) + QString::number(index));
    placeTw(region, r.left, r.top, r.width, r.height);
    region->setReloadOnMove(true);
    connect(region, &AnswerRegion::clicked, this, &MissingDetailWindow::Pause);
    return region;
}

QString MissingDetailWindow::detailPath(int n, int k) const {
    return ctx.folder.path(QStringLiteral("kletka11/%1/%2.jpg").arg(n).arg(k));
}

void MissingDetailWindow::Form_Load() {
    Timer1->stop();
    ticks_ = 0;
    setBusy(true);
    winText->setText(QString::fromUtf8(kDetailInstruction));
    const int n = loadAndDrawPicture();
    winMal->showPicture(picturePath(n));
    // The region set follows the picture's layout; both sets stay in place.
    const bool seven = detailUsesSeven(n);
    for (AnswerRegion* region : Fokus)
        setRegionActive(region, !seven);
    for (AnswerRegion* region : Fokus1)
        setRegionActive(region, seven);
}

void MissingDetailWindow::setRegionActive(AnswerRegion* region, bool active) {
    region->setEnabled(active);
    // The two sets overlap: a region of the other set must not catch the press
    // meant for the one under it.
    region->setAttribute(Qt::WA_TransparentForMouseEvents, !active);
}

void MissingDetailWindow::Pause(int k) {
    if (chosen_ != 0)
        return;
    chosen_ = k;
    setEnabled(false);
    winMal->showPicture(detailPath(current(), k));
    Timer1->start();
}

void MissingDetailWindow::Timer1_Timer() {
    ++ticks_;
    if (ticks_ < 2)
        return;
    Timer1->stop();
    answer(chosen_ == kDetailAnswers[current() - 1]);
}

} // namespace zorna
