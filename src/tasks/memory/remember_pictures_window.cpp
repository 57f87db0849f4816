#include "tasks/memory/remember_pictures_window.h"

#include "platform/geometry.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_registry.h"

#include <QLabel>

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Memory,
    openWindow<RememberPicturesWindow>,
    {.square = 28, .windowNumber = 31, .category = 1, .caption = "Завдання №28"}};

} // namespace

RememberPicturesWindow::RememberPicturesWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), instruction_(new QLabel(this)), clickCount_(new QLabel(this)),
      startPauseTimer_(addTimer(1000, [this] { onStartPauseTick(); })),
      showTimer_(addTimer(1000, [this] { onShowTick(); })) {
    setClientSizeTw(this, 6405, 7140);
    setBackground(this, QColor(0x00, 0x00, 0x80));

    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, 720, 360, 4335, 495);
    instruction_->setFont(gameFont(QStringLiteral("Times New Roman"), 18, true));
    instruction_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(instruction_, QColor(0x00FFFF));

    clickCount_->setObjectName(QStringLiteral("Label1"));
    placeTw(clickCount_, 5400, 840, 495, 495);
    clickCount_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 18, true));
    clickCount_->setAlignment(Qt::AlignCenter);
    setBackground(clickCount_, QColor(0xC0, 0xC0, 0xC0));
    clickCount_->setText(QStringLiteral("0"));

    static constexpr int kLeft[] = {480, 2280, 4080};
    static constexpr int kTop[] = {1440, 3240, 5040};
    for (int i = 1; i <= 9; ++i) {
        auto* cell = new PictureBox(this);
        cell->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        placeTw(cell, kLeft[(i - 1) % 3], kTop[(i - 1) / 3], kRememberCellTwips, kRememberCellTwips);
        setBackground(cell, QColor(0xC0, 0xC0, 0xC0));
        cell->setFrameColour(QColor(0x60, 0x60, 0x60));
        cell->setCursor(pointingHandCursor(ctx_.folder));
        connect(cell, &PictureBox::clicked, this, [this, i] { cellClicked(i); });
        cells_.append(cell);
    }
}

void RememberPicturesWindow::load() {
    instruction_->setText(QStringLiteral("Запам'ятай малюнки"));
    for (PictureBox* cell : cells_)
        cell->setEnabled(false);
    ctx_.rnd.randomize();
    task_.draw(ctx_.rnd);
    startPauseTimer_.start();
}

QString RememberPicturesWindow::picture(int p) const {
    return ctx_.folder.taskPicture(task().windowNumber, p);
}

void RememberPicturesWindow::onStartPauseTick() {
    if (!task_.pauseTick())
        return;
    startPauseTimer_.stop();
    startShow();
}

void RememberPicturesWindow::startShow() {
    task_.startShow();
    showTimer_.start();
}

void RememberPicturesWindow::onShowTick() {
    const RememberPictures::ShowStep step = task_.showTick();
    cells_[4]->showPicture(step.picture != 0 ? picture(step.picture) : QString());
    if (step.over) {
        showTimer_.stop();
        showAllPictures();
    }
}

void RememberPicturesWindow::showAllPictures() {
    instruction_->setText(QStringLiteral("Знайди їх серед заданих"));
    for (int j = 1; j <= 9; ++j)
        cells_[cellOf(j) - 1]->showPicture(picture(pictureOf(j)));
    for (PictureBox* cell : cells_)
        cell->setEnabled(true);
}

void RememberPicturesWindow::cellClicked(int index) {
    PictureBox* cell = cells_[index - 1];
    if (!busy() || !cell->isEnabled())
        return;
    const RememberPictures::Choice choice = task_.choose(index);
    clickCount_->setText(QString::number(task_.clicks()));
    cell->setEnabled(false);
    if (choice != RememberPictures::Choice::Wait)
        answer(choice == RememberPictures::Choice::Solved);
}

} // namespace zorna
