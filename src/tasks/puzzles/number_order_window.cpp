#include "tasks/puzzles/number_order_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"
#include "tasks/puzzles/puzzle_tables.h"
#include "tasks/puzzles/puzzle_widgets.h"

namespace zorna {

NumberOrderWindow::NumberOrderWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 4080, 5760);
    setBackground(this, QColor(0x008080));

    winText = new QLabel(this);
    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 120, 120, 2655, 1455);
    winText->setFont(gameFont(QStringLiteral("Arial"), 11.25, true));
    winText->setWordWrap(true);
    winText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    winText->setStyleSheet(
        QStringLiteral("QLabel { color: #0000c0; background: #f0f0f0; border: 1px solid black; }"));

    Image2 = new DoneButton(this);
    placeTw(Image2, 3120, 120, 930, 930);
    connect(Image2, &DoneButton::clicked, this, &NumberOrderWindow::Image2_Click);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTw(Label1, 3120, 1200, 735, 375);
    Label1->setFont(gameFont(QStringLiteral("Arial"), 9.75, true));
    Label1->setAlignment(Qt::AlignCenter);
    setFramedBackground(Label1, QColor(0xf0f0f0));

    for (int i = 1; i <= 16; ++i) {
        auto* cell = new ClickLabel(i, this);
        cell->setObjectName(QStringLiteral("winMal%1").arg(i));
        placeTw(cell, 120 + 960 * ((i - 1) % 4), 1800 + 960 * ((i - 1) / 4), kPuzzleCellTwips,
                kPuzzleCellTwips);
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setFramedBackground(cell, QColor(0xd4d0c8));
        connect(cell, &ClickLabel::clicked, this, &NumberOrderWindow::winMal_Click);
        winMal.append(cell);
    }

    Timer1 = &addTimer(1000, [this] { Timer1_Timer(); });
}

void NumberOrderWindow::Form_Load() {
    setBusy(true);
    winText->setText(
        QStringLiteral("Розташуй числа зліва направо в порядку зростання, починаючи з верхнього кута"));
    rozbMal();
}

QPixmap NumberOrderWindow::tilePicture(int tile) const {
    return loadPicture(picturePath(tile));
}

void NumberOrderWindow::rozbMal() {
    frame_ = SlidingFrame();
    ctx.rnd.randomize();
    // The window is not on the screen yet: the cells show the shuffled frame
    // once, after the last move.
    frame_.shuffle(ctx.rnd, [](const SlidingFrame::Move&) {});
    QStringList tiles;
    for (int tile = 1; tile <= 15; ++tile)
        tiles.append(picturePath(tile));
    const QList<QPixmap> pictures = loadPictures(tiles);
    for (int cell = 1; cell <= 16; ++cell) {
        const int tile = frame_.tileInCell(cell);
        if (tile > 0)
            winMal[cell - 1]->setPixmap(pictures.at(tile - 1));
        else
            winMal[cell - 1]->clear();
    }
    secondsLeft_ = kSeconds;
    Label1->setText(QString::number(secondsLeft_));
    Timer1->start();
}

void NumberOrderWindow::winMal_Click(int cell) {
    if (!busy())
        return;
    if (auto move = frame_.click(cell))
        zamina(*move);
}

void NumberOrderWindow::zamina(const SlidingFrame::Move& move) {
    winMal[move.from - 1]->clear();
    winMal[move.to - 1]->setPixmap(tilePicture(move.tile));
}

void NumberOrderWindow::Timer1_Timer() {
    --secondsLeft_;
    Label1->setText(QString::number(secondsLeft_));
    if (secondsLeft_ <= 0) {
        Timer1->stop();
        Image2_Click();
    }
}

void NumberOrderWindow::Image2_Click() {
    if (busy())
        answer(frame_.solved());
}

} // namespace zorna
