#include "tasks/puzzles/ball_exchange_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"
#include "tasks/common/task_registry.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Puzzles,
    openWindow<BallExchangeWindow>,
    {.square = 14, .windowNumber = 29, .category = 5, .caption = "Завдання №14"}};

} // namespace

BallExchangeWindow::BallExchangeWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 7095, 3255);
    setBackground(this, Qt::white);

    instruction_ = new QLabel(QStringLiteral("Червоні шари перестав на лівий бік, сірі - на правий"), this);
    instruction_->setObjectName(QStringLiteral("Label1"));
    placeTw(instruction_, 120, 120, 5415, 615);
    instruction_->setFont(gameFont(QStringLiteral("Arial"), 9.75, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFramedBackground(instruction_, QColor(0xe0e0e0));

    limitText_ = new QLabel(QStringLiteral("Дозволяється зробити не більше 21-го кроку"), this);
    limitText_->setObjectName(QStringLiteral("Label2"));
    placeTw(limitText_, 120, 840, 3615, 255);
    limitText_->setFont(gameFont(QStringLiteral("Arial"), 8.25));
    setTextColour(limitText_, QColor(0x000080));

    stepCount_ = new QLabel(this);
    stepCount_->setObjectName(QStringLiteral("Label3"));
    placeTw(stepCount_, 5160, 840, 375, 255);
    stepCount_->setFont(gameFont(QStringLiteral("Arial"), 8.25, true));
    stepCount_->setAlignment(Qt::AlignCenter);
    setFramedBackground(stepCount_, QColor(0xe0e0e0));

    doneButton_ = new DoneButton(ctx_.folder, this);
    placeTw(doneButton_, 5880, 120, 930, 930);
    connect(doneButton_, &DoneButton::clicked, this, &BallExchangeWindow::doneClicked);

    const QPixmap grey = loadDrawing(ctx_.folder, rules::drawings::kGreyBall);
    const QPixmap red = loadDrawing(ctx_.folder, rules::drawings::kRedBall);
    for (int ball = 1; ball <= BallRow::kBalls; ++ball) {
        auto* image = new ClickLabel(ball, this);
        image->setObjectName(QStringLiteral("Image1_%1").arg(ball));
        image->setPixmap(BallRow::grey(ball) ? grey : red);
        image->setFixedSize(57, 62);
        image->move(holeLeft(balls_.hole(ball)), kHoleTop);
        connect(image, &ClickLabel::clicked, this, &BallExchangeWindow::ballClicked);
        ballLabels_.append(image);
    }
}

void BallExchangeWindow::load() {
    balls_ = BallRow();
    setBusy(true);
    stepCount_->setText(QStringLiteral("0"));
    placeBalls();
}

void BallExchangeWindow::ballClicked(int ball) {
    balls_.select(ball);
}

void BallExchangeWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    pressAt(p.x(), p.y());
}

void BallExchangeWindow::pressAt(int x, int y) {
    if (!busy() || balls_.selected() == 0 || y < kHoleTop || y > kHoleBottom)
        return;
    int target = 0;
    for (int hole = 1; hole <= BallRow::kHoles; ++hole)
        if (x >= holeLeft(hole) && x < holeLeft(hole) + kHoleWidth)
            target = hole;
    if (target == 0 || !balls_.clickHole(target))
        return;
    placeBalls();
    stepCount_->setText(QString::number(balls_.steps()));
    checkEnd();
}

void BallExchangeWindow::placeBalls() {
    for (int ball = 1; ball <= BallRow::kBalls; ++ball)
        ballLabels_[ball - 1]->move(holeLeft(balls_.hole(ball)), kHoleTop);
}

void BallExchangeWindow::checkEnd() {
    if (balls_.steps() > kStepLimit) {
        ctx_.dialogs.show(
            this, Message{QString(),
                          QStringLiteral("Кількість зроблених кроків перевищує норму.\nСкоро зустрінемось!"),
                          MsgIcon::None, MsgButtons::Ok});
        answer(false);
        return;
    }
    if (balls_.goalReached())
        answer(true);
}

void BallExchangeWindow::doneClicked() {
    if (busy())
        answer(false);
}

void BallExchangeWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The track: a purple bar with a white band in it, the seven holes above it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC000C0));
    p.fillRect(QRect(tw(120), tw(2760), tw(6840), tw(300)), QColor(0xC000C0));
    p.fillRect(QRect(tw(120), tw(2850), tw(6840), tw(120)), Qt::white);
    p.setPen(QPen(QColor(0x800080), 1));
    for (int k = 1; k <= BallRow::kHoles; ++k) {
        const int left = 240 + 960 * (k - 1);
        // Posts from the holes down to the bar, and the hole outlines.
        p.drawLine(QPointF(tw(left + 427), tw(2775)), QPointF(tw(left + 427), tw(2760)));
        p.setBrush(QColor(0xF4F0F4));
        p.drawEllipse(QRectF(tw(left), tw(1680), tw(855), tw(1095)));
    }
    p.setPen(QPen(QColor(0x800080), 1));
    p.drawLine(tw(120), tw(2760), tw(6960), tw(2760));
    p.drawLine(tw(120), tw(3060), tw(6960), tw(3060));
}

} // namespace zorna
