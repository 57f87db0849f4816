// Reaction windows: acting at the right virtual moments.
#include "game/solvers.h"

#include "tasks/common/click_label.h"
#include "tasks/reaction/cart_and_balls_window.h"
#include "tasks/reaction/catch_balls_window.h"
#include "tasks/reaction/hit_apple_window.h"
#include "tasks/reaction/reaction_rules.h"

#include <QPointer>

namespace zorna::test {
namespace {

void solveApple(TaskWindow& window, TestContext& t, bool right) {
    auto* w = as<HitAppleWindow>(window);
    QVERIFY(w);
    // Let the apple wander a few steps first.
    t.clock.advance(2 * 700 + 300);
    const int apple = w->appleCell();
    const int cell = right ? apple : apple % reaction::kAppleCells + 1;
    QTest::mouseClick(w->cell(cell), Qt::LeftButton, {}, w->cell(cell)->rect().center());
    // A hit plays nine frames of 600 ms before the answer.
    QVERIFY(advanceUntilAnswered(t, window, 300, 10000));
}
ZORNA_SOLVER(26, solveApple);

// Enter, delivered where the keyboard focus is.
void pressEnter(QWidget* w) {
    QWidget* target = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(target, Qt::Key_Return);
}

void solveCart(TaskWindow& window, TestContext& t, bool right) {
    QPointer<CartAndBallsWindow> w = as<CartAndBallsWindow>(window);
    QVERIFY(w);
    if (!right) {
        // The cart stays home: every ball falls out.
        QVERIFY(advanceUntilAnswered(t, window, 1000, 120000));
        return;
    }
    for (int ball = 0; ball < reaction::kCartBalls && w->busy(); ++ball) {
        // Wait, in 1 ms steps, for the ball in play to start falling.
        for (int i = 0; i < 5000 && w->busy() && !w->ballFalling(); ++i)
            t.clock.advance(1);
        QVERIFY(w->ballFalling());
        // Push so that the cart's step after the ball's top reaches 336 puts the
        // cart 24 pixels left of the ball's column, under the ball.
        const int index = w->ballInPlay();
        const int top = w->ball(index)->y();
        const qint64 at336 = qint64(336 - top) / reaction::kBallStep * 40;
        const int steps = (w->cart()->x() - (reaction::kBallColumns[index] - 24)) / reaction::kCartStep;
        const qint64 wait = at336 + 5 - 10 * steps;
        QVERIFY(wait >= 0);
        t.clock.advance(wait);
        const QString before = w->caughtLabel()->text();
        pressEnter(w);
        QVERIFY(w->tripUnderWay());
        // The trip out and home again: 2 x 104 steps of 10 ms at most.
        for (int i = 0; i < 300 && w && w->busy() && w->tripUnderWay(); ++i)
            t.clock.advance(10);
        if (w->busy())
            QCOMPARE(w->caughtLabel()->text().toInt(), before.toInt() + 1);
    }
    QVERIFY(!w->busy());
}
ZORNA_SOLVER(30, solveCart);

void solveCatch(TaskWindow& window, TestContext& t, bool right) {
    auto* w = as<CatchBallsWindow>(window);
    QVERIFY(w);
    static constexpr Qt::Key kKeys[] = {Qt::Key_V, Qt::Key_B, Qt::Key_N, Qt::Key_M};
    for (int elapsed = 0; w->busy() && elapsed < 60000; elapsed += 100) {
        if (right) {
            // The net goes under the chute of the ball whose next step lands in its band.
            for (int i = 1; i <= reaction::kChuteBalls; ++i) {
                QWidget* ball = w->ball(i);
                const reaction::Chute& chute = reaction::kChutes[reaction::chuteOfBall(i) - 1];
                const int next = ball->y() + reaction::kBallFallStep;
                if (!ball->isHidden() && next >= chute.bandLow && next <= chute.bandHigh &&
                    w->lastKey() != chute.key)
                    QTest::keyClick(w, kKeys[reaction::chuteOfBall(i) - 1]);
            }
        }
        t.clock.advance(100);
    }
    QVERIFY(!w->busy());
    QVERIFY(right ? w->caught() >= reaction::kCatchesToPass : w->caught() < reaction::kCatchesToPass);
    // The result is told in a message box before the window closes.
    QVERIFY(!t.dialogs.asked().isEmpty());
    QCOMPARE(t.dialogs.asked().last().text,
             right ? QStringLiteral("Правильно") : QStringLiteral("Неправильно"));
}
ZORNA_SOLVER(32, solveCatch);

} // namespace

} // namespace zorna::test
