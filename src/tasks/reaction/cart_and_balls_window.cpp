#include "tasks/reaction/cart_and_balls_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/click_label.h"
#include "tasks/common/task_registry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Reaction,
    openWindow<CartAndBallsWindow>,
    {.square = 31, .windowNumber = 30, .category = 1, .caption = "Завдання №31"}};

} // namespace

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
    : TaskWindow(context, board, task), instruction_(new QLabel(this)), keyHint_(new QLabel(this)),
      caughtCount_(new QLabel(this)), cart_(new QLabel(this)), closeButton_(new ClickLabel(0, this)),
      pushButton_(new QPushButton(this)), releaseTimer_(addTimer(1000, [this] { onReleaseTick(); })),
      fallTimer_(addTimer(40, [this] { onFallTick(); })), cartTimer_(addTimer(10, [this] { onCartTick(); })) {
    setClientSizeTw(this, 8850, 6120);

    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, 2280, 120, 3615, 375);
    instruction_->setFont(gameFont(QStringLiteral("Times New Roman"), 18, true));
    instruction_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    for (int x : {7560, 720}) {
        auto* line = new FieldLine(this);
        line->setGeometry(tw(x), 0, 1, tw(5280) + 1);
    }

    for (int i = 0; i < kCartBalls; ++i) {
        auto* shape = new BallShape(this);
        shape->setObjectName(QStringLiteral("Shape%1").arg(i));
        shape->setGeometry(kBallColumns[i], kBallTops[i], kBallSize, kBallSize);
        ballShapes_[i] = shape;
    }

    cart_->setObjectName(QStringLiteral("telega"));
    placeTw(cart_, 7800, 5280, kCartWidthTwips, kCartHeightTwips);
    cart_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    closeButton_->setObjectName(QStringLiteral("Image1"));
    placeTw(closeButton_, 7800, 240, 855, 930);
    closeButton_->setPixmap(loadDrawing(ctx_.folder, rules::drawings::kCartClose));
    closeButton_->setCursor(pointingHandCursor(ctx_.folder));
    closeButton_->setToolTip(QStringLiteral("Закрити"));
    connect(closeButton_, &ClickLabel::clicked, this, [this] { closeClicked(); });

    caughtCount_->setObjectName(QStringLiteral("IndKil"));
    placeTw(caughtCount_, 7920, 1320, 615, 495);
    caughtCount_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 18, true));
    caughtCount_->setAlignment(Qt::AlignCenter);
    caughtCount_->setFrameStyle(QFrame::Box | QFrame::Plain);
    caughtCount_->setLineWidth(1);

    keyHint_->setObjectName(QStringLiteral("winText1"));
    placeTw(keyHint_, 7560, 4680, 1335, 495);
    keyHint_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    keyHint_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(keyHint_, QColor(0x0000C0));

    // The default button lies outside the visible client area: Enter presses it.
    pushButton_->setObjectName(QStringLiteral("Knop1"));
    placeTw(pushButton_, 9240, 120, 855, 375);
    pushButton_->setDefault(true);
    connect(pushButton_, &QPushButton::clicked, this, [this] { sendCart(); });
}

QWidget* CartAndBallsWindow::closeButton() const {
    return closeButton_;
}

void CartAndBallsWindow::load() {
    setBusy(true);
    trip_.reset();
    cart_->setPixmap(loadPicture(ctx_.folder.taskFile(task().windowNumber, QStringLiteral("telega.gif"))));
    instruction_->setText(QStringLiteral("Спіймай три кульки"));
    keyHint_->setText(QStringLiteral("Штовхнути:\nEnter"));
    caughtCount_->setText(QStringLiteral("0"));
    ctx_.rnd.randomize();
    balls_ = reaction::CartBalls(ctx_.rnd.draw(4, 0));
    releaseDelay_ = 2;
    releaseTicks_ = 0;
    releaseTimer_.start();
    pushButton_->setFocus();
}

void CartAndBallsWindow::takeBall(int ball) {
    balls_.remove(ball);
    ballShapes_[ball]->hide();
}

void CartAndBallsWindow::nextBall() {
    // Balls pushed away before their release leave fewer than five to fall:
    // with none left the task ends as after the fifth ball.
    if (!balls_.drawNext(ctx_.rnd)) {
        finish();
        return;
    }
    releaseDelay_ = 1;
    releaseTicks_ = 0;
    releaseTimer_.start();
}

void CartAndBallsWindow::onReleaseTick() {
    if (releaseTicks_ < releaseDelay_) {
        ++releaseTicks_;
        return;
    }
    column_ = kBallColumns[balls_.inPlay()];
    releaseTimer_.stop();
    ballTop_ = ballShapes_[balls_.inPlay()]->y();
    balls_.release();
    fallTimer_.start();
    if (pushButton_->isEnabled())
        pushButton_->setFocus();
}

void CartAndBallsWindow::onFallTick() {
    if (ballTop_ >= kBallOutTop) {
        takeBall(balls_.inPlay());
        fallTimer_.stop();
        // During a trip the cart's homecoming takes over.
        if (trip_)
            return;
        if (balls_.allReleased())
            finish();
        else
            nextBall();
        return;
    }
    ballTop_ += kBallStep;
    QWidget* ball = ballShapes_[balls_.inPlay()];
    ball->move(ball->x(), ballTop_);
}

void CartAndBallsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (pushButton_->isEnabled())
            pushButton_->click();
        return;
    }
    TaskWindow::keyPressEvent(event);
}

void CartAndBallsWindow::sendCart() {
    if (trip_)
        return;
    trip_.emplace(cart_->x());
    cartTop_ = cart_->y();
    cartWidth_ = cart_->width();
    catch_ = false;
    cartTimer_.start();
    pushButton_->setEnabled(false);
}

void CartAndBallsWindow::onCartTick() {
    const bool home = trip_->step();
    cart_->move(trip_->left(), cartTop_);
    if (home) {
        cartTimer_.stop();
        fallTimer_.stop();
        // The ball in play is taken away, caught, still falling or not yet released.
        const int ball = balls_.inPlay();
        takeBall(ball);
        ballShapes_[ball]->move(ballShapes_[ball]->x(), kBallParkedTop);
        if (catch_) {
            balls_.addCatch();
            caughtCount_->setText(QString::number(balls_.caught()));
        }
        if (balls_.won()) {
            finish();
            return;
        }
        pushButton_->setEnabled(true);
        pushButton_->setFocus();
        trip_.reset();
        if (!balls_.allReleased())
            nextBall();
        else
            finish();
        return;
    }
    // Only a falling ball can be caught: before its release the ball in play
    // has no column of its own yet.
    if (fallTimer_.isEnabled() && cartCatches(trip_->left(), cartWidth_, column_, cartTop_, ballTop_)) {
        takeBall(balls_.inPlay());
        fallTimer_.stop();
        column_ = kCaughtBallColumn;
        catch_ = true;
    }
}

void CartAndBallsWindow::finish() {
    // The balls and the cart go on while the close button's question is open;
    // the window must not close under the open message box, so an end that
    // comes meanwhile waits for the answer.
    if (asking_) {
        endPending_ = true;
        return;
    }
    answer(balls_.won());
}

void CartAndBallsWindow::closeClicked() {
    if (asking_)
        return;
    asking_ = true;
    const MsgAnswer a = ctx_.dialogs.show(this, Message{QStringLiteral("Запит"),
                                                        QStringLiteral("Закінчити виконання завдання?"),
                                                        MsgIcon::Question, MsgButtons::YesNo});
    asking_ = false;
    if (a == MsgAnswer::Yes || endPending_)
        finish();
}

} // namespace zorna
