#include "tasks/reaction/hit_apple_window.h"

#include "platform/cursors.h"
#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/click_label.h"
#include "tasks/common/task_registry.h"
#include "tasks/reaction/reaction_rules.h"

#include <QLabel>
#include <QPainter>

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Reaction,
    openWindow<HitAppleWindow>,
    {.square = 13, .windowNumber = 26, .category = 6, .caption = "Завдання №13"}};

} // namespace

namespace {
const QString kInstruction = QStringLiteral("Попади в яблучко");
} // namespace

HitAppleWindow::HitAppleWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), instruction_(new QLabel(this)),
      stepTimer_(addTimer(700, [this] { moveApple(); })), hitTimer_(addTimer(600, [this] { onHitTick(); })) {
    setClientSizeTw(this, 4320, 5685);
    setBackground(this, Qt::white);

    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, 240, 120, 3855, 1215);
    instruction_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 11.25, true));
    instruction_->setFrameStyle(QFrame::Box | QFrame::Plain);
    instruction_->setLineWidth(1);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instruction_->setWordWrap(true);
    instruction_->setStyleSheet(
        QStringLiteral("QLabel { color: #0000C0; background: #C0C0C0; border: 1px solid black; }"));

    const QCursor aim = drawingCursor(ctx_.folder, rules::drawings::kAim, QCursor(Qt::CrossCursor));
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
        connect(c, &ClickLabel::clicked, this, &HitAppleWindow::cellClicked);
        cells_[n - 1] = c;
    }
}

void HitAppleWindow::load() {
    stepTimer_.start();
    setBusy(true);
    instruction_->setText(kInstruction);
    // The apple is not shown yet: the first tick puts it next to this cell.
    appleCell_ = ctx_.rnd.draw(63, 1);
}

QPixmap HitAppleWindow::picture(const QString& name) const {
    return loadPicture(ctx_.folder.taskFile(task().windowNumber, name));
}

void HitAppleWindow::moveApple() {
    instruction_->setText(kInstruction);
    ctx_.rnd.randomize();
    previousCell_ = appleCell_;
    appleCell_ = reaction::appleStep(previousCell_, ctx_.rnd);
    cell(previousCell_)->clear();
    cell(appleCell_)->setPixmap(picture(QStringLiteral("apple.jpg")));
}

void HitAppleWindow::cellClicked(int index) {
    stepTimer_.stop();
    if (index == appleCell_) {
        // A new hit during the animation starts it again from its first frame.
        frame_ = 0;
        hitTimer_.start();
        return;
    }
    answer(false);
}

void HitAppleWindow::onHitTick() {
    ++frame_;
    if (frame_ <= reaction::kAppleHitFrames) {
        cell(appleCell_)->setPixmap(picture(QStringLiteral("apple%1.jpg").arg(frame_)));
        return;
    }
    hitTimer_.stop();
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
