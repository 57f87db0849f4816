#include "tasks/memory/kletka31.h"

#include "platform/geometry.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/picture_box.h"

#include <QLabel>

#include <algorithm>

namespace zorna {

namespace {

// Fills a row with distinct draws of r * k + 1 (1..k + 1), drawing again
// while a value repeats. The bound only keeps a broken generator from hanging
// the window: it then takes the smallest value not drawn yet.
void drawDistinct(Rnd& rnd, std::array<int, 9>& row, int k) {
    row.fill(0);
    auto used = [&](int v) { return std::find(row.begin(), row.end(), v) != row.end(); };
    for (int j = 0; j < 9; ++j) {
        int v = rnd.draw(k, 1);
        for (int attempt = 0; used(v) && attempt < 100000; ++attempt)
            v = rnd.draw(k, 1);
        for (v = used(v) ? 1 : v; used(v);)
            ++v;
        row[j] = v;
    }
}

} // namespace

Kletka31::Kletka31(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), winText(new QLabel(this)), Label1(new QLabel(this)),
      startPause(addTimer(1000, [this] { startPause_Timer(); })),
      Timer1(addTimer(1000, [this] { Timer1_Timer(); })) {
    setClientSizeTw(this, 6405, 7140);
    setBackground(this, QColor(0x00, 0x00, 0x80));

    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 720, 360, 4335, 495);
    winText->setFont(gameFont(QStringLiteral("Times New Roman"), 18, true));
    winText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    winText->setStyleSheet(QStringLiteral("QLabel { color: #00FFFF; background: transparent; }"));

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

void Kletka31::Form_Load() {
    winText->setText(QStringLiteral("Запам'ятай малюнки"));
    for (PictureBox* cell : Picture1)
        cell->setEnabled(false);
    for (auto& row : table_)
        row.fill(0);
    ctx.rnd.randomize();
    drawDistinct(ctx.rnd, table_[0], kRememberPool - 1);
    drawDistinct(ctx.rnd, table_[1], 8);
    pause_ = 0;
    found_ = false;
    clicks_ = 0;
    startPause.start();
}

QString Kletka31::picture(int p) const {
    return ctx.folder.taskPicture(task().windowNumber, p);
}

void Kletka31::startPause_Timer() {
    if (pause_ < 2) {
        ++pause_;
        return;
    }
    startPause.stop();
    VivodMal();
}

void Kletka31::VivodMal() {
    shown_ = 0;
    showNext_ = true;
    Timer1.start();
}

void Kletka31::Timer1_Timer() {
    PictureBox* centre = Picture1[4];
    if (showNext_) {
        if (shown_ < 4) {
            ++shown_;
            centre->showPicture(picture(pictureOf(shown_)));
            showNext_ = false;
        }
        return;
    }
    centre->showPicture(QString());
    showNext_ = true;
    if (shown_ == 4) {
        Timer1.stop();
        VivodVsix();
    }
}

void Kletka31::VivodVsix() {
    winText->setText(QStringLiteral("Знайди їх серед заданих"));
    for (int j = 1; j <= 9; ++j)
        Picture1[cellOf(j) - 1]->showPicture(picture(pictureOf(j)));
    for (PictureBox* cell : Picture1)
        cell->setEnabled(true);
}

void Kletka31::Picture1_Click(int index) {
    PictureBox* cell = Picture1[index - 1];
    if (!busy() || !cell->isEnabled())
        return;
    ++clicks_;
    Label1->setText(QString::number(clicks_));
    cell->setEnabled(false);
    found_ = false;
    for (int j = 1; j <= 4; ++j)
        if (cellOf(j) == index)
            found_ = true;
    if (!found_)
        answer(false);
    else if (clicks_ == 4)
        answer(true);
}

} // namespace zorna
