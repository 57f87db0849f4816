#include "tasks/reaction/catch_balls_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/task_registry.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Reaction,
    openWindow<CatchBallsWindow>,
    {.square = 30, .windowNumber = 32, .category = 6, .caption = "Завдання №30"}};

} // namespace

namespace {

using namespace reaction;

// The mouth of a chute: a short tube in front of the balls that hides a ball
// until it has dropped out of it.
class ChuteMouth : public QWidget {
public:
    explicit ChuteMouth(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), 0);
        g.setColorAt(0, QColor(0x5a, 0x6e, 0x8c));
        g.setColorAt(0.4, QColor(0xb4, 0xc8, 0xe6));
        g.setColorAt(1, QColor(0x46, 0x5a, 0x78));
        p.fillRect(rect(), g);
        p.setPen(QColor(0x2a, 0x36, 0x4a));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.fillRect(QRect(0, height() - 4, width(), 4), QColor(0x2a, 0x36, 0x4a));
    }
};

ScanCodes platformScanCodes() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return ScanCodes::Xkb;
    if (platform == QLatin1String("windows"))
        return ScanCodes::Windows;
    return ScanCodes::None;
}

} // namespace

CatchBallsWindow::CatchBallsWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), instruction_(new QLabel(this)), caughtCount_(new QLabel(this)),
      startTimer_(addTimer(1000, [this] { onStartTick(); })),
      launchTimer_(addTimer(1000, [this] { onLaunchTick(); })) {
    setClientSizeTw(this, 6435, 4305);
    setBackground(this, Qt::white);
    setFocusPolicy(Qt::StrongFocus);

    instruction_->setObjectName(QStringLiteral("Label2"));
    placeTw(instruction_, 1440, 0, 3255, 495);
    instruction_->setText(QStringLiteral("Використовуючи клавіші V,B,N,M, спіймай 15 кульок"));
    instruction_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    instruction_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    instruction_->setWordWrap(true);

    caughtCount_->setObjectName(QStringLiteral("Label1"));
    placeTw(caughtCount_, 2520, 600, 975, 495);
    caughtCount_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 13.5, true));
    caughtCount_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(caughtCount_, QColor(0xC00000));
    caughtCount_->setText(QStringLiteral("0"));

    // Balls first, so that the chute mouths lie in front of them.
    const QPixmap ballPicture = loadDrawing(ctx_.folder, rules::drawings::kChuteBall);
    for (int i = 1; i <= kChuteBalls; ++i) {
        auto* b = new QLabel(this);
        b->setObjectName(QStringLiteral("kv%1").arg(i));
        placeTw(b, kChutes[chuteOfBall(i) - 1].leftTw, 840, 195, 210);
        b->setPixmap(ballPicture);
        balls_[i - 1] = b;
        fallTimers_[i - 1] = &addTimer(500, [this, i] { onFallTick(i); });
    }
    for (const Chute& c : kChutes) {
        auto* mouth = new ChuteMouth(this);
        placeTw(mouth, c.leftTw, 480, 255, 615);
    }
    auto* ground = new QWidget(this);
    ground->setObjectName(QStringLiteral("Shape1"));
    placeTw(ground, 1440, 3960, 3135, 375);
    setBackground(ground, QColor(0x80, 0x40, 0x00));
}

void CatchBallsWindow::load() {
    setBusy(true);
    caught_ = 0;
    launched_ = 0;
    finished_ = 0;
    for (int i = 0; i < kChuteBalls; ++i) {
        balls_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        top_[i] = kBallStartTop;
        released_[i] = false;
    }
    lastKey_ = kKeyV;
    loadScene(kKeyV);
    startTicks_ = 0;
    startTimer_.start();
    setFocus();
}

void CatchBallsWindow::loadScene(int keyCode) {
    const int picture = kChutes[chuteOfKey(keyCode) - 1].picture;
    scene_ =
        loadPicture(ctx_.folder.taskFile(task().windowNumber, QStringLiteral("kolobok%1.bmp").arg(picture)),
                    devicePixelRatioF());
    update();
}

void CatchBallsWindow::paintEvent(QPaintEvent* event) {
    TaskWindow::paintEvent(event);
    if (!scene_.isNull())
        QPainter(this).drawPixmap(0, 0, scene_);
}

void CatchBallsWindow::keyPressEvent(QKeyEvent* event) {
    const int code = chuteKeyOfPress(event->key(), event->text(), event->nativeVirtualKey(),
                                     event->nativeScanCode(), platformScanCodes());
    if (code == 0) {
        TaskWindow::keyPressEvent(event);
        return;
    }
    keyDown(code);
}

void CatchBallsWindow::keyDown(int keyCode) {
    if (keyCode == lastKey_ || chuteOfKey(keyCode) == 0)
        return;
    loadScene(keyCode);
    lastKey_ = keyCode;
}

void CatchBallsWindow::onStartTick() {
    if (startTicks_ < 2) {
        ++startTicks_;
        return;
    }
    startTimer_.stop();
    startLaunching();
}

void CatchBallsWindow::startLaunching() {
    launchTimer_.start();
}

void CatchBallsWindow::onLaunchTick() {
    ctx_.rnd.randomize();
    if (launched_ >= kChuteBalls) {
        launchTimer_.stop();
        return;
    }
    // A ball is drawn again until one still stands at its start. The window
    // keeps a flag per ball, so a ball whose first step is late is not drawn twice.
    int b = 0;
    for (int attempt = 0; attempt < 10000 && b == 0; ++attempt) {
        const int drawn = ctx_.rnd.draw(19, 1);
        if (!released_[drawn - 1])
            b = drawn;
    }
    for (int i = 1; i <= kChuteBalls && b == 0; ++i)
        if (!released_[i - 1])
            b = i;
    released_[b - 1] = true;
    ++launched_;
    fallTimers_[b - 1]->start();
}

void CatchBallsWindow::onFallTick(int i) {
    QLabel* b = balls_[i - 1];
    const BallStep step = stepBall(top_[i - 1], chuteOfBall(i), lastKey_);
    if (step == BallStep::Lost) {
        b->hide();
        fallTimers_[i - 1]->stop();
        ++finished_;
    } else {
        b->move(b->x(), top_[i - 1]);
        if (step == BallStep::Caught) {
            ++caught_;
            b->hide();
            fallTimers_[i - 1]->stop();
            ++finished_;
        }
        caughtCount_->setText(QString::number(caught_));
    }
    if (finished_ < kChuteBalls)
        return;
    const bool right = caught_ >= kCatchesToPass;
    ctx_.dialogs.show(this,
                      Message{QString(), right ? QStringLiteral("Правильно") : QStringLiteral("Неправильно"),
                              MsgIcon::None, MsgButtons::Ok});
    answer(right);
}

} // namespace zorna
