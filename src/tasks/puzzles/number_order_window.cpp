#include "tasks/puzzles/number_order_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"
#include "tasks/common/task_registry.h"
#include "tasks/puzzles/puzzle_tables.h"

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Puzzles,
    openWindow<NumberOrderWindow>,
    {.square = 7, .windowNumber = 27, .category = 5, .caption = "Завдання №7"}};

} // namespace

NumberOrderWindow::NumberOrderWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 4080, 5760);
    setBackground(this, QColor(0x008080));

    instruction_ = new QLabel(this);
    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, 120, 120, 2655, 1455);
    instruction_->setFont(gameFont(QStringLiteral("Arial"), 11.25, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instruction_->setStyleSheet(
        QStringLiteral("QLabel { color: #0000c0; background: #f0f0f0; border: 1px solid black; }"));

    doneButton_ = new DoneButton(ctx_.folder, this);
    placeTw(doneButton_, 3120, 120, 930, 930);
    connect(doneButton_, &DoneButton::clicked, this, &NumberOrderWindow::doneClicked);

    secondsLeftLabel_ = new QLabel(this);
    secondsLeftLabel_->setObjectName(QStringLiteral("Label1"));
    placeTw(secondsLeftLabel_, 3120, 1200, 735, 375);
    secondsLeftLabel_->setFont(gameFont(QStringLiteral("Arial"), 9.75, true));
    secondsLeftLabel_->setAlignment(Qt::AlignCenter);
    setFramedBackground(secondsLeftLabel_, QColor(0xf0f0f0));

    for (int i = 1; i <= 16; ++i) {
        auto* cell = new ClickLabel(i, this);
        cell->setObjectName(QStringLiteral("winMal%1").arg(i));
        placeTw(cell, 120 + 960 * ((i - 1) % 4), 1800 + 960 * ((i - 1) / 4), kPuzzleCellTwips,
                kPuzzleCellTwips);
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setFramedBackground(cell, QColor(0xd4d0c8));
        connect(cell, &ClickLabel::clicked, this, &NumberOrderWindow::cellClicked);
        cells_.append(cell);
    }

    countdown_ = &addTimer(1000, [this] { onCountdownTick(); });
}

void NumberOrderWindow::load() {
    setBusy(true);
    instruction_->setText(
        QStringLiteral("Розташуй числа зліва направо в порядку зростання, починаючи з верхнього кута"));
    shuffleTiles();
}

QPixmap NumberOrderWindow::tilePicture(int tile) const {
    return loadPicture(picturePath(tile));
}

void NumberOrderWindow::shuffleTiles() {
    frame_ = SlidingFrame();
    ctx_.rnd.randomize();
    // The window is not on the screen yet: the cells show the shuffled frame
    // once, after the last move.
    frame_.shuffle(ctx_.rnd, [](const SlidingFrame::Move&) {});
    QStringList tiles;
    for (int tile = 1; tile <= 15; ++tile)
        tiles.append(picturePath(tile));
    const QList<QPixmap> pictures = loadPictures(tiles);
    for (int cell = 1; cell <= 16; ++cell) {
        const int tile = frame_.tileInCell(cell);
        if (tile > 0)
            cells_[cell - 1]->setPixmap(pictures.at(tile - 1));
        else
            cells_[cell - 1]->clear();
    }
    secondsLeft_ = kSeconds;
    secondsLeftLabel_->setText(QString::number(secondsLeft_));
    countdown_->start();
}

void NumberOrderWindow::cellClicked(int cell) {
    if (!busy())
        return;
    if (auto move = frame_.click(cell))
        showMove(*move);
}

void NumberOrderWindow::showMove(const SlidingFrame::Move& move) {
    cells_[move.from - 1]->clear();
    cells_[move.to - 1]->setPixmap(tilePicture(move.tile));
}

void NumberOrderWindow::onCountdownTick() {
    --secondsLeft_;
    secondsLeftLabel_->setText(QString::number(secondsLeft_));
    if (secondsLeft_ <= 0) {
        countdown_->stop();
        doneClicked();
    }
}

void NumberOrderWindow::doneClicked() {
    if (busy())
        answer(frame_.solved());
}

} // namespace zorna
