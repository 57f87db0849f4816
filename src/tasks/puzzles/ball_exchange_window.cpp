#include "tasks/puzzles/ball_exchange_window.h"

#include "platform/geometry.h"
#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"
#include "tasks/puzzles/puzzle_widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorna {

BallExchangeWindow::BallExchangeWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 7095, 3255);
    setBackground(this, Qt::white);

    Label1 = new QLabel(QStringLiteral("Червоні шари перестав на лівий бік, сірі - на правий"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTw(Label1, 120, 120, 5415, 615);
    Label1->setFont(gameFont(QStringLiteral("Arial"), 9.75, true));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFramedBackground(Label1, QColor(0xe0e0e0));

    Label2 = new QLabel(QStringLiteral("Дозволяється зробити не більше 21-го кроку"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeTw(Label2, 120, 840, 3615, 255);
    Label2->setFont(gameFont(QStringLiteral("Arial"), 8.25));
    setTextColour(Label2, QColor(0x000080));

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    placeTw(Label3, 5160, 840, 375, 255);
    Label3->setFont(gameFont(QStringLiteral("Arial"), 8.25, true));
    Label3->setAlignment(Qt::AlignCenter);
    setFramedBackground(Label3, QColor(0xe0e0e0));

    Image2 = new DoneButton(this);
    placeTw(Image2, 5880, 120, 930, 930);
    connect(Image2, &DoneButton::clicked, this, &BallExchangeWindow::Image2_Click);

    const QPixmap grey = puzzlePicture(QStringLiteral("ball_grey.svg"), QSize(57, 62));
    const QPixmap red = puzzlePicture(QStringLiteral("ball_red.svg"), QSize(57, 62));
    for (int ball = 1; ball <= BallRow::kBalls; ++ball) {
        auto* image = new ClickLabel(ball, this);
        image->setObjectName(QStringLiteral("Image1_%1").arg(ball));
        image->setPixmap(BallRow::grey(ball) ? grey : red);
        image->setFixedSize(57, 62);
        image->move(holeLeft(balls_.hole(ball)), kHoleTop);
        connect(image, &ClickLabel::clicked, this, &BallExchangeWindow::Image1_Click);
        Image1.append(image);
    }
}

void BallExchangeWindow::Form_Load() {
    balls_ = BallRow();
    setBusy(true);
    Label3->setText(QStringLiteral("0"));
    obnovScr();
}

void BallExchangeWindow::Image1_Click(int ball) {
    balls_.select(ball);
}

void BallExchangeWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    Form_MouseDown(p.x(), p.y());
}

void BallExchangeWindow::Form_MouseDown(int x, int y) {
    if (!busy() || balls_.selected() == 0 || y < kHoleTop || y > kHoleBottom)
        return;
    int target = 0;
    for (int hole = 1; hole <= BallRow::kHoles; ++hole)
        if (x >= holeLeft(hole) && x < holeLeft(hole) + kHoleWidth)
            target = hole;
    if (target == 0 || !balls_.clickHole(target))
        return;
    obnovScr();
    Label3->setText(QString::number(balls_.steps()));
    Proverka();
}

void BallExchangeWindow::obnovScr() {
    for (int ball = 1; ball <= BallRow::kBalls; ++ball)
        Image1[ball - 1]->move(holeLeft(balls_.hole(ball)), kHoleTop);
}

void BallExchangeWindow::Proverka() {
    if (balls_.steps() > kStepLimit) {
        ctx.dialogs.show(
            this, Message{QString(),
                          QStringLiteral("Кількість зроблених кроків перевищує норму.\nСкоро зустрінемось!"),
                          MsgIcon::None, MsgButtons::Ok});
        answer(false);
        return;
    }
    if (balls_.goalReached())
        answer(true);
}

void BallExchangeWindow::Image2_Click() {
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
