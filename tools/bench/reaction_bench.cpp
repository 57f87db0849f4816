#include "reaction_bench.h"

#include "game_context.h"
#include "paint_watch.h"
#include "tasks/common/task_host.h"
#include "tasks/common/task_registry.h"
#include "tasks/reaction/cart_and_balls_window.h"
#include "tasks/reaction/hit_apple_window.h"

#include <QEventLoop>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace bench {

namespace {

// A board that takes the answer and does nothing with it.
class QuietHost : public zorna::TaskHost {
public:
    void taskAnswered(const zorna::TaskResult&) override {}
};

struct TaskAnswer : zorna::TaskWindow {
    static void give(zorna::TaskWindow& window, bool right) { (window.*(&TaskAnswer::answer))(right); }
};

template <class Window> Window* openShown(GameContext& game, QuietHost& host, int windowNumber) {
    const int square = zorna::squareOfWindow(windowNumber)->square;
    auto* window = dynamic_cast<Window*>(game.tasks.open(square, game.ctx, host));
    if (!window)
        qFatal("task window %d did not open", windowNumber);
    PaintWatch painted([window](QWidget* w) { return w == window; });
    window->show();
    painted.wait();
    return window;
}

void closeWindow(zorna::TaskWindow* window) {
    QPointer<zorna::TaskWindow> alive(window);
    TaskAnswer::give(*window, false);
    delete alive.data();
}

// Runs the event loop until `done` is set or the limit passes.
void runUntil(const bool& done, int limitMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done)
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

ReactionFigures measureReactions(const QString& programFolder, int runs) {
    TickReportingClock clock;
    GameContext game(programFolder, clock);
    QuietHost host;
    ReactionFigures figures;

    for (int run = 0; run < runs; ++run) {
        auto* cart = openShown<zorna::CartAndBallsWindow>(game, host, 30);
        // The trip from the push to the homecoming.
        qint64 pushed = 0;
        bool tripDone = false;
        clock.afterTick = [&](int interval) {
            if (interval == 10 && !tripDone && !cart->tripUnderWay()) {
                figures.cartTripMs.append(msBetween(pushed, monotonicNs()));
                tripDone = true;
            }
        };
        pushed = monotonicNs();
        cart->pushButton()->click();
        runUntil(tripDone, 5000);

        // Then the first ball's fall, step by step.
        qint64 lastTick = 0;
        int lastTop = 0;
        int steps = 0;
        bool fallDone = false;
        clock.afterTick = [&](int interval) {
            if (interval != 40 || fallDone)
                return;
            const qint64 now = monotonicNs();
            const int top = cart->ball(cart->ballInPlay())->y();
            if (!cart->ballFalling() || steps >= 25) {
                fallDone = true;
                return;
            }
            if (lastTick != 0) {
                figures.ballTickMs.append(msBetween(lastTick, now));
                figures.ballStepPx.append(top - lastTop);
            }
            lastTick = now;
            lastTop = top;
            ++steps;
        };
        runUntil(fallDone, 8000);
        clock.afterTick = nullptr;
        closeWindow(cart);
    }

    auto* apple = openShown<zorna::HitAppleWindow>(game, host, 26);
    qint64 lastStep = 0;
    int steps = 0;
    bool appleDone = false;
    clock.afterTick = [&](int interval) {
        if (interval != 700 || appleDone)
            return;
        const qint64 now = monotonicNs();
        if (lastStep != 0)
            figures.appleStepMs.append(msBetween(lastStep, now));
        lastStep = now;
        appleDone = ++steps > runs;
    };
    runUntil(appleDone, 700 * (runs + 4));
    clock.afterTick = nullptr;
    closeWindow(apple);
    return figures;
}

} // namespace bench
