#include "tasks/memory/changed_detail_window.h"

#include "platform/cursors.h"
#include "platform/geometry.h"
#include "tasks/common/done_button.h"
#include "tasks/common/picture_box.h"

#include <QLabel>

namespace zorna {

ChangedDetailWindow::ChangedDetailWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), winText(new QLabel(this)), Picture1(new PictureBox(this)),
      Image2(new QLabel(Picture1)), Timer1(addTimer(1000, [this] { Timer1_Timer(); })),
      Timer2(addTimer(1000, [this] { Timer2_Timer(); })), Timer3(addTimer(1000, [this] { Timer3_Timer(); })) {
    setClientSizeTw(this, 7800, 6135);

    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 240, 120, 7455, 1215);
    winText->setFont(gameFont(QStringLiteral("Arial"), 11.25, true));
    winText->setWordWrap(true);
    winText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The window is disabled while the player memorises; the text stays readable.
    QPalette palette = winText->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     palette.color(QPalette::Active, QPalette::WindowText));
    winText->setPalette(palette);

    Picture1->setObjectName(QStringLiteral("Picture1"));
    placeTw(Picture1, kChangedPictureTwips.left, kChangedPictureTwips.top, kChangedPictureTwips.width,
            kChangedPictureTwips.height);
    setBackground(Picture1, Qt::white);
    Picture1->setCursor(pictureCursor(QStringLiteral(":/memory/arrows.svg"), 32, 16, 16));
    connect(Picture1, &PictureBox::pressed, this, &ChangedDetailWindow::Picture1_MouseDown);

    for (int k = 1; k <= 30; ++k) {
        auto* block = new QLabel(Picture1);
        block->setObjectName(QStringLiteral("Block%1").arg(k));
        placeTw(block, 6960, 840 + 120 * (30 - k), 375, 135);
        setBackground(block, QColor(0x00, 0xC0, 0xC0));
        block->setAttribute(Qt::WA_TransparentForMouseEvents);
        Block.append(block);
    }

    // The blot lets clicks through: the picture still takes them.
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(45, 47);
    Image2->setPixmap(renderPicture(QStringLiteral(":/memory/blot.svg"), QSize(45, 47)));
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image2->hide();

    useDeck(kChangedPictures, kChangedPictures);
}

void ChangedDetailWindow::Form_Load() {
    Image2->hide();
    setBusy(true);
    winText->setText(QStringLiteral("Запам'ятай цей малюнок"));
    loadDeck();
    VipadkMal();
    Timer1.start();
}

void ChangedDetailWindow::VipadkMal() {
    const int n = picDeck().VipadkMal(ctx.rnd);
    Picture1->showPicture(ctx.folder.taskPicture(task().windowNumber, n, QStringLiteral("bmp")));
    Timer1.start();
    detail_.begin(n);
    setEnabled(false);
}

void ChangedDetailWindow::Timer1_Timer() {
    if (const std::optional<int> block = detail_.memoriseTick()) {
        Block[*block - 1]->hide();
        return;
    }
    Timer1.stop();
    Picture1->showPicture(QString());
    Timer2.start();
}

void ChangedDetailWindow::Timer2_Timer() {
    if (!detail_.pauseTick())
        return;
    Timer2.stop();
    winText->setText(QStringLiteral("Клацни по тій частині малюнка, яка змінилася"));
    Picture1->showPicture(
        ctx.folder.taskFile(task().windowNumber, QStringLiteral("%1_1.bmp").arg(currentPicture())));
    setEnabled(true);
}

void ChangedDetailWindow::Picture1_MouseDown(QPoint pos) {
    if (!busy() || !isEnabled())
        return;
    if (detail_.hits(pos)) {
        answer(true);
        return;
    }
    Image2->move(pos.x() - Image2->width() / 2, pos.y() - Image2->height() / 2);
    Image2->show();
    Image2->raise();
    detail_.miss();
    Timer3.start();
}

void ChangedDetailWindow::Timer3_Timer() {
    if (detail_.missWaitTick())
        answer(false);
}

} // namespace zorna
