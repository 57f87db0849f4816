#include "tasks/choice/single_choice_window.h"

#include "platform/geometry.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/task_registry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

namespace zorna {

namespace {

QColor backgroundColour(WindowBackground background, const QWidget* window) {
    switch (background) {
    case WindowBackground::Grey:
        return QColor(0x80, 0x80, 0x80);
    case WindowBackground::AppWorkspace:
        return QColor(171, 171, 171);
    case WindowBackground::ButtonFace:
        break;
    }
    return window->palette().color(QPalette::Button);
}

// One window per row of the table.
const TaskRegistration registration{
    TaskFamily::Choice, openWindowOfRow<SingleChoiceWindow, kSingleChoiceRows>, kSingleChoiceRows};

} // namespace

SingleChoiceWindow::SingleChoiceWindow(AppContext& context, TaskHost& board, const TaskSquare& task,
                                       const SingleChoiceRow& row)
    : TaskWindow(context, board, task), row_(row), instruction_(new QLabel(this)),
      picture_(new PictureBox(this, Qt::transparent)) {
    setClientSizeTw(this, row.clientWidth, row.clientHeight);
    setBackground(this, backgroundColour(row.background, this));

    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, row.text.left, row.text.top, row.text.width, row.text.height);
    instruction_->setFont(gameFont(QStringLiteral("Arial"), row.fontPoints, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(instruction_, QColor(0x0000C0));
    setBackground(instruction_, Qt::white);

    picture_->setObjectName(QStringLiteral("winMal"));
    placeTw(picture_, row.picture.left, row.picture.top, row.picture.width, row.picture.height);

    for (int i = 1; i <= row.regionCount; ++i) {
        const TwipsRect& r = row.regions[i - 1];
        auto* region = new AnswerRegion(i, ctx_.folder, picture_);
        placeTw(region, r.left, r.top, r.width, r.height);
        connect(region, &AnswerRegion::clicked, this, &SingleChoiceWindow::regionClicked);
        regions_.append(region);
    }
    keys_ = RegionKeys(regions_);
    useDeck(kSingleChoicePictures);
}

void SingleChoiceWindow::load() {
    setBusy(true);
    answers_ = row_.answers;
    instruction_->setText(QString::fromUtf8(row_.instruction));
    loadDeck();
    drawPicture();
}

void SingleChoiceWindow::drawPicture() {
    // The first window of the family keeps its file until the reset or the close.
    const bool writeNow = task().windowNumber != 2;
    const int n = picDeck().drawPicture(ctx_.rnd, writeNow);
    picture_->showPicture(picturePath(n));
    for (AnswerRegion* region : regions_)
        region->setVisible(regionVisible(row_, region->index(), n));
    keys_.clear();
}

void SingleChoiceWindow::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    const int chosen = keys_.press(*event, handled);
    if (!handled) {
        TaskWindow::keyPressEvent(event);
        return;
    }
    if (chosen != 0)
        regionClicked(chosen);
}

void SingleChoiceWindow::regionClicked(int index) {
    if (!busy())
        return;
    answer(index == answers_.at(currentPicture() - 1));
}

} // namespace zorna
