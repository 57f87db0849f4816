#include "tasks/reaction/cart_and_balls_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace zorna {

namespace {

using namespace reaction;

// One of the balls: a purple circle.
class BallShape : public QWidget {
public:
    explicit BallShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x80, 0x00, 0x80), 1));
        p.setBrush(QColor(0xC0, 0x00, 0xC0));
        p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

// The sides of the playing field.
class FieldLine : public QWidget {
public:
    explicit FieldLine(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

} // namespace

CartAndBallsWindow::CartAndBallsWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), winText(new QLabel(this)), winText1(new QLabel(this)),
      IndKil(new QLabel(this)), telega(new QLabel(this)), Image1(new ClickLabel(0, this)),
      Knop1(new QPushButton(this)), Timer1(addTimer(1000, [this] { Timer1_Timer(); })),
      TmShar(addTimer(40, [this] { TmShar_Timer(); })), TmTelega(addTimer(10, [this] { TmTelega_Timer(); })) {
    setClientSizeTw(this, 8850, 6120);

    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 2280, 120, 3615, 375);
    winText->setFont(gameFont(QStringLiteral("Times New Roman"), 18, true));
    winText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    for (int x : {7560, 720}) {
        auto* line = new FieldLine(this);
        line->setGeometry(tw(x), 0, 1, tw(5280) + 1);
    }

    for (int i = 0; i < kCartBalls; ++i) {
        auto* shape = new BallShape(this);
        shape->setObjectName(QStringLiteral("Shape%1").arg(i));
        shape->setGeometry(kBallColumns[i], kBallTops[i], kBallSize, kBallSize);
        Shape[i] = shape;
    }

    telega->setObjectName(QStringLiteral("telega"));
    placeTw(telega, 7800, 5280, kCartWidthTwips, kCartHeightTwips);
    telega->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Image1->setObjectName(QStringLiteral("Image1"));
    placeTw(Image1, 7800, 240, 855, 930);
    Image1->setPixmap(renderPicture(QStringLiteral(":/reaction/close.svg"), QSize(57, 62)));
    Image1->setCursor(pointingHandCursor());
    Image1->setToolTip(QStringLiteral("Закрити"));
    connect(Image1, &ClickLabel::clicked, this, [this] { Image1_Click(); });

    IndKil->setObjectName(QStringLiteral("IndKil"));
    placeTw(IndKil, 7920, 1320, 615, 495);
    IndKil->setFont(gameFont(QStringLiteral("MS Sans Serif"), 18, true));
    IndKil->setAlignment(Qt::AlignCenter);
    IndKil->setFrameStyle(QFrame::Box | QFrame::Plain);
    IndKil->setLineWidth(1);

    winText1->setObjectName(QStringLiteral("winText1"));
    placeTw(winText1, 7560, 4680, 1335, 495);
    winText1->setFont(gameFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    winText1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(winText1, QColor(0x0000C0));

    // The default button lies outside the visible client area: Enter presses it.
    Knop1->setObjectName(QStringLiteral("Knop1"));
    placeTw(Knop1, 9240, 120, 855, 375);
    Knop1->setDefault(true);
    connect(Knop1, &QPushButton::clicked, this, [this] { Knop1_Click(); });
}

QWidget* CartAndBallsWindow::closeButton() const {
    return Image1;
}

void CartAndBallsWindow::Form_Load() {
    setBusy(true);
    trip_.reset();
    telega->setPixmap(loadPicture(ctx.folder.taskFile(task().windowNumber, QStringLiteral("telega.gif"))));
    winText->setText(QStringLiteral("Спіймай три кульки"));
    winText1->setText(QStringLiteral("Штовхнути:\nEnter"));
    IndKil->setText(QStringLiteral("0"));
    ctx.rnd.randomize();
    balls_ = reaction::CartBalls(ctx.rnd.draw(4, 0));
    releaseDelay_ = 2;
    releaseTicks_ = 0;
    Timer1.start();
    Knop1->setFocus();
}

void CartAndBallsWindow::takeBall(int ball) {
    balls_.remove(ball);
    Shape[ball]->hide();
}

void CartAndBallsWindow::nextBall() {
    // Balls pushed away before their release leave fewer than five to fall:
    // with none left the task ends as after the fifth ball.
    if (!balls_.drawNext(ctx.rnd)) {
        Vse();
        return;
    }
    releaseDelay_ = 1;
    releaseTicks_ = 0;
    Timer1.start();
}

void CartAndBallsWindow::Timer1_Timer() {
    if (releaseTicks_ < releaseDelay_) {
        ++releaseTicks_;
        return;
    }
    column_ = kBallColumns[balls_.inPlay()];
    Timer1.stop();
    ballTop_ = Shape[balls_.inPlay()]->y();
    balls_.release();
    TmShar.start();
    if (Knop1->isEnabled())
        Knop1->setFocus();
}

void CartAndBallsWindow::TmShar_Timer() {
    if (ballTop_ >= kBallOutTop) {
        takeBall(balls_.inPlay());
        TmShar.stop();
        // During a trip the cart's homecoming takes over.
        if (trip_)
            return;
        if (balls_.allReleased())
            Vse();
        else
            nextBall();
        return;
    }
    ballTop_ += kBallStep;
    QWidget* ball = Shape[balls_.inPlay()];
    ball->move(ball->x(), ballTop_);
}

void CartAndBallsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (Knop1->isEnabled())
            Knop1->click();
        return;
    }
    TaskWindow::keyPressEvent(event);
}

void CartAndBallsWindow::Knop1_Click() {
    if (trip_)
        return;
    trip_.emplace(telega->x());
    cartTop_ = telega->y();
    cartWidth_ = telega->width();
    catch_ = false;
    TmTelega.start();
    Knop1->setEnabled(false);
}

void CartAndBallsWindow::TmTelega_Timer() {
    const bool home = trip_->step();
    telega->move(trip_->left(), cartTop_);
    if (home) {
        TmTelega.stop();
        TmShar.stop();
        // The ball in play is taken away, caught, still falling or not yet released.
        const int ball = balls_.inPlay();
        takeBall(ball);
        Shape[ball]->move(Shape[ball]->x(), kBallParkedTop);
        if (catch_) {
            balls_.addCatch();
            IndKil->setText(QString::number(balls_.caught()));
        }
        if (balls_.won()) {
            Vse();
            return;
        }
        Knop1->setEnabled(true);
        Knop1->setFocus();
        trip_.reset();
        if (!balls_.allReleased())
            nextBall();
        else
            Vse();
        return;
    }
    // Only a falling ball can be caught: before its release the ball in play
    // has no column of its own yet.
    if (TmShar.isEnabled() && cartCatches(trip_->left(), cartWidth_, column_, cartTop_, ballTop_)) {
        takeBall(balls_.inPlay());
        TmShar.stop();
        column_ = kCaughtBallColumn;
        catch_ = true;
    }
}

void CartAndBallsWindow::Vse() {
    // The balls and the cart go on while the close button's question is open;
    // the window must not close under the open message box, so an end that
    // comes meanwhile waits for the answer.
    if (asking_) {
        endPending_ = true;
        return;
    }
    answer(balls_.won());
}

void CartAndBallsWindow::Image1_Click() {
    if (asking_)
        return;
    asking_ = true;
    const MsgAnswer a = ctx.dialogs.show(this, Message{QStringLiteral("Запит"),
                                                       QStringLiteral("Закінчити виконання завдання?"),
                                                       MsgIcon::Question, MsgButtons::YesNo});
    asking_ = false;
    if (a == MsgAnswer::Yes || endPending_)
        Vse();
}

} // namespace zorna
