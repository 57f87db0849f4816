#include "tasks/reaction/hit_apple_window.h"

#include "platform/cursors.h"
#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/click_label.h"
#include "tasks/reaction/reaction_rules.h"

#include <QLabel>
#include <QPainter>

namespace zorna {

namespace {
const QString kInstruction = QStringLiteral("Попади в яблучко");
} // namespace

HitAppleWindow::HitAppleWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), winText(new QLabel(this)),
      Timer2(addTimer(700, [this] { Timer2_Timer(); })), Timer1(addTimer(600, [this] { Timer1_Timer(); })) {
    setClientSizeTw(this, 4320, 5685);
    setBackground(this, Qt::white);

    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 240, 120, 3855, 1215);
    winText->setText(QStringLiteral("gfgf"));
    winText->setFont(gameFont(QStringLiteral("MS Sans Serif"), 11.25, true));
    winText->setFrameStyle(QFrame::Box | QFrame::Plain);
    winText->setLineWidth(1);
    winText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    winText->setWordWrap(true);
    winText->setStyleSheet(
        QStringLiteral("QLabel { color: #0000C0; background: #C0C0C0; border: 1px solid black; }"));

    const QCursor aim = pictureCursor(QStringLiteral(":/reaction/aim.svg"), 32, 16, 16);
    for (int n = 1; n <= reaction::kAppleCells; ++n) {
        auto* c = new ClickLabel(n, this);
        c->setObjectName(QStringLiteral("image3_%1").arg(n));
        placeTw(c, reaction::appleCellLeftTw(n), reaction::appleCellTopTw(n), reaction::kAppleCellTwips,
                reaction::kAppleCellTwips);
        c->setFrameStyle(QFrame::Box | QFrame::Plain);
        c->setLineWidth(1);
        c->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackground(c, Qt::white);
        c->setCursor(aim);
        connect(c, &ClickLabel::clicked, this, &HitAppleWindow::image3_Click);
        image3[n - 1] = c;
    }
}

void HitAppleWindow::Form_Load() {
    Timer2.start();
    setBusy(true);
    winText->setText(kInstruction);
    // The apple is not shown yet: the first tick puts it next to this cell.
    appleCell_ = ctx.rnd.draw(63, 1);
}

QPixmap HitAppleWindow::picture(const QString& name) const {
    return loadPicture(ctx.folder.taskFile(task().windowNumber, name));
}

void HitAppleWindow::rozbMal() {
    winText->setText(kInstruction);
    ctx.rnd.randomize();
    previousCell_ = appleCell_;
    appleCell_ = reaction::appleStep(previousCell_, ctx.rnd);
    cell(previousCell_)->clear();
    cell(appleCell_)->setPixmap(picture(QStringLiteral("apple.jpg")));
}

void HitAppleWindow::image3_Click(int index) {
    Timer2.stop();
    if (index == appleCell_) {
        // A new hit during the animation starts it again from its first frame.
        frame_ = 0;
        Timer1.start();
        return;
    }
    answer(false);
}

void HitAppleWindow::Timer1_Timer() {
    ++frame_;
    if (frame_ <= reaction::kAppleHitFrames) {
        cell(appleCell_)->setPixmap(picture(QStringLiteral("apple%1.jpg").arg(frame_)));
        return;
    }
    Timer1.stop();
    answer(true);
}

void HitAppleWindow::paintEvent(QPaintEvent* event) {
    TaskWindow::paintEvent(event);
    // The purple frame around the board, from (120, 1440) to (4200, 5520) twips.
    QPainter p(this);
    p.setPen(QPen(QColor(0xC0, 0x00, 0xC0), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(tw(120), tw(1440)), QPoint(tw(4200), tw(5520))));
}

} // namespace zorna
