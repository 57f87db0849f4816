#include "tasks/memory/changed_detail_window.h"

#include "platform/cursors.h"
#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_registry.h"

#include <QLabel>

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Memory,
    openWindow<ChangedDetailWindow>,
    {.square = 23, .windowNumber = 24, .category = 7, .caption = "Завдання №23"}};

} // namespace

ChangedDetailWindow::ChangedDetailWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), instruction_(new QLabel(this)), picture_(new PictureBox(this)),
      blot_(new QLabel(picture_)), memoriseTimer_(addTimer(1000, [this] { onMemoriseTick(); })),
      pauseTimer_(addTimer(1000, [this] { onPauseTick(); })),
      missTimer_(addTimer(1000, [this] { onMissWaitTick(); })) {
    setClientSizeTw(this, 7800, 6135);

    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, 240, 120, 7455, 1215);
    instruction_->setFont(gameFont(QStringLiteral("Arial"), 11.25, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The window is disabled while the player memorises; the text stays readable.
    QPalette palette = instruction_->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     palette.color(QPalette::Active, QPalette::WindowText));
    instruction_->setPalette(palette);

    picture_->setObjectName(QStringLiteral("Picture1"));
    placeTw(picture_, kChangedPictureTwips.left, kChangedPictureTwips.top, kChangedPictureTwips.width,
            kChangedPictureTwips.height);
    setBackground(picture_, Qt::white);
    picture_->setCursor(drawingCursor(ctx_.folder, rules::drawings::kDetailArrows));
    connect(picture_, &PictureBox::pressed, this, &ChangedDetailWindow::picturePressed);

    for (int k = 1; k <= 30; ++k) {
        auto* block = new QLabel(picture_);
        block->setObjectName(QStringLiteral("Block%1").arg(k));
        placeTw(block, 6960, 840 + 120 * (30 - k), 375, 135);
        setBackground(block, QColor(0x00, 0xC0, 0xC0));
        block->setAttribute(Qt::WA_TransparentForMouseEvents);
        blocks_.append(block);
    }

    // The blot lets clicks through: the picture still takes them.
    blot_->setObjectName(QStringLiteral("Image2"));
    blot_->setFixedSize(45, 47);
    blot_->setPixmap(loadDrawing(ctx_.folder, rules::drawings::kDetailBlot));
    blot_->setAttribute(Qt::WA_TransparentForMouseEvents);
    blot_->hide();

    useDeck(kChangedPictures, kChangedPictures);
}

void ChangedDetailWindow::load() {
    blot_->hide();
    setBusy(true);
    instruction_->setText(QStringLiteral("Запам'ятай цей малюнок"));
    loadDeck();
    drawPicture();
    memoriseTimer_.start();
}

void ChangedDetailWindow::drawPicture() {
    const int n = picDeck().drawPicture(ctx_.rnd);
    picture_->showPicture(ctx_.folder.taskPicture(task().windowNumber, n, QStringLiteral("bmp")));
    memoriseTimer_.start();
    detail_.begin(n);
    setEnabled(false);
}

void ChangedDetailWindow::onMemoriseTick() {
    if (const std::optional<int> block = detail_.memoriseTick()) {
        blocks_[*block - 1]->hide();
        return;
    }
    memoriseTimer_.stop();
    picture_->showPicture(QString());
    pauseTimer_.start();
}

void ChangedDetailWindow::onPauseTick() {
    if (!detail_.pauseTick())
        return;
    pauseTimer_.stop();
    instruction_->setText(QStringLiteral("Клацни по тій частині малюнка, яка змінилася"));
    picture_->showPicture(
        ctx_.folder.taskFile(task().windowNumber, QStringLiteral("%1_1.bmp").arg(currentPicture())));
    setEnabled(true);
}

void ChangedDetailWindow::picturePressed(QPoint pos) {
    if (!busy() || !isEnabled())
        return;
    if (detail_.hits(pos)) {
        answer(true);
        return;
    }
    blot_->move(pos.x() - blot_->width() / 2, pos.y() - blot_->height() / 2);
    blot_->show();
    blot_->raise();
    detail_.miss();
    missTimer_.start();
}

void ChangedDetailWindow::onMissWaitTick() {
    if (detail_.missWaitTick())
        answer(false);
}

} // namespace zorna
