#include "tasks/memory/remember_pictures_window.h"

#include "platform/geometry.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/picture_box.h"

#include <QLabel>

namespace zorna {

RememberPicturesWindow::RememberPicturesWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), winText(new QLabel(this)), Label1(new QLabel(this)),
      startPause(addTimer(1000, [this] { startPause_Timer(); })),
      Timer1(addTimer(1000, [this] { Timer1_Timer(); })) {
    setClientSizeTw(this, 6405, 7140);
    setBackground(this, QColor(0x00, 0x00, 0x80));

    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 720, 360, 4335, 495);
    winText->setFont(gameFont(QStringLiteral("Times New Roman"), 18, true));
    winText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(winText, QColor(0x00FFFF));

    Label1->setObjectName(QStringLiteral("Label1"));
    placeTw(Label1, 5400, 840, 495, 495);
    Label1->setFont(gameFont(QStringLiteral("MS Sans Serif"), 18, true));
    Label1->setAlignment(Qt::AlignCenter);
    setBackground(Label1, QColor(0xC0, 0xC0, 0xC0));
    Label1->setText(QStringLiteral("0"));

    static constexpr int kLeft[] = {480, 2280, 4080};
    static constexpr int kTop[] = {1440, 3240, 5040};
    for (int i = 1; i <= 9; ++i) {
        auto* cell = new PictureBox(this);
        cell->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        placeTw(cell, kLeft[(i - 1) % 3], kTop[(i - 1) / 3], kRememberCellTwips, kRememberCellTwips);
        setBackground(cell, QColor(0xC0, 0xC0, 0xC0));
        cell->setFrameColour(QColor(0x60, 0x60, 0x60));
        cell->setCursor(pointingHandCursor());
        connect(cell, &PictureBox::clicked, this, [this, i] { Picture1_Click(i); });
        Picture1.append(cell);
    }
}

void RememberPicturesWindow::Form_Load() {
    winText->setText(QStringLiteral("Запам'ятай малюнки"));
    for (PictureBox* cell : Picture1)
        cell->setEnabled(false);
    ctx.rnd.randomize();
    task_.draw(ctx.rnd);
    startPause.start();
}

QString RememberPicturesWindow::picture(int p) const {
    return ctx.folder.taskPicture(task().windowNumber, p);
}

void RememberPicturesWindow::startPause_Timer() {
    if (!task_.pauseTick())
        return;
    startPause.stop();
    VivodMal();
}

void RememberPicturesWindow::VivodMal() {
    task_.startShow();
    Timer1.start();
}

void RememberPicturesWindow::Timer1_Timer() {
    const RememberPictures::ShowStep step = task_.showTick();
    Picture1[4]->showPicture(step.picture != 0 ? picture(step.picture) : QString());
    if (step.over) {
        Timer1.stop();
        VivodVsix();
    }
}

void RememberPicturesWindow::VivodVsix() {
    winText->setText(QStringLiteral("Знайди їх серед заданих"));
    for (int j = 1; j <= 9; ++j)
        Picture1[cellOf(j) - 1]->showPicture(picture(pictureOf(j)));
    for (PictureBox* cell : Picture1)
        cell->setEnabled(true);
}

void RememberPicturesWindow::Picture1_Click(int index) {
    PictureBox* cell = Picture1[index - 1];
    if (!busy() || !cell->isEnabled())
        return;
    const RememberPictures::Choice choice = task_.choose(index);
    Label1->setText(QString::number(task_.clicks()));
    cell->setEnabled(false);
    if (choice != RememberPictures::Choice::Wait)
        answer(choice == RememberPictures::Choice::Solved);
}

} // namespace zorna
