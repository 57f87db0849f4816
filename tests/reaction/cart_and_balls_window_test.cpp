// Task 31, cart and balls, driven through the real window on the virtual clock.
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/reaction/cart_and_balls_window.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace zorna;
using namespace zorna::test;
using namespace zorna::reaction;

namespace {

const int kCategory = 1;

float ball(int index) {
    return ScriptedRnd::forDraw(index, 4, 0);
}

struct CartFixture {
    TestContext t;
    FakeHost host;
    QPointer<CartAndBallsWindow> w;

    // Opens the window; `balls` are the scripted draws of the balls in play.
    explicit CartFixture(std::initializer_list<int> balls) {
        for (int b : balls)
            t.rnd.push(ball(b));
        w = new CartAndBallsWindow(t.ctx, host, *taskOfSquare(31));
        w->load();
        w->show();
    }
    ~CartFixture() {
        delete w.data();
        settle();
    }
    qint64 now() const { return t.clock.nowMs(); }
    void advanceTo(qint64 ms) { t.clock.advance(ms - now()); }
    // Enter, delivered where the keyboard focus is.
    void pressEnter() {
        QWidget* target = w->focusWidget() ? w->focusWidget() : w.data();
        QTest::keyClick(target, Qt::Key_Return);
    }
    int count() const { return w->caughtLabel()->text().toInt(); }
    bool closed() const { return host.answerCount > 0; }

    // Advances in 1 ms steps until the ball in play starts to fall; its release
    // time is then now().
    void waitForRelease() {
        for (int i = 0; i < 5000 && !w->ballFalling(); ++i)
            t.clock.advance(1);
        QVERIFY(w->ballFalling());
    }
    // Times a push so that the cart catches the ball in play, which must be
    // falling now: the cart's step after the ball reaches top 336 puts it
    // 24 pixels left of the ball's column. Returns the time the cart is home.
    qint64 pushToCatch() {
        const int index = w->ballInPlay();
        const int top = w->ball(index)->y();
        const qint64 at336 = now() + qint64(336 - top) / kBallStep * 40;
        const int steps = (520 - (kBallColumns[index] - 24)) / kCartStep;
        advanceTo(at336 + 5 - 10 * steps);
        pressEnter();
        return now() + 2080;
    }
    // Catches the ball in play (released or still waiting) and waits for the cart.
    void catchOne() {
        waitForRelease();
        const qint64 home = pushToCatch();
        advanceTo(home);
    }
};

} // namespace

class CartAndBallsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The next ball is drawn among those still in the field; none left ends the draws.
    void ballsLeftInTheField() {
        ScriptedRnd rnd;
        CartBalls balls(2);
        QVERIFY(balls.anyInField());
        balls.remove(2);
        balls.remove(0);
        rnd.push({ball(2), ball(0), ball(4)});
        QVERIFY(balls.drawNext(rnd));
        QCOMPARE(balls.inPlay(), 4);
        for (int i : {1, 3, 4})
            balls.remove(i);
        QVERIFY(!balls.anyInField());
        QVERIFY(!balls.drawNext(rnd));
        QCOMPARE(balls.inPlay(), 4);
    }
    void threeCatchesWin() {
        CartBalls balls;
        for (int i = 0; i < kCartBalls; ++i)
            balls.release();
        QVERIFY(balls.allReleased());
        for (int catches = 1; catches <= 3; ++catches) {
            QVERIFY(!balls.won());
            balls.addCatch();
        }
        QCOMPARE(balls.caught(), 3);
        QVERIFY(balls.won());
    }

    void windowLayout() {
        CartFixture f({2});
        QCOMPARE(f.w->windowTitle(), QStringLiteral("Завдання №31"));
        QCOMPARE(f.w->size(), QSize(590, 408));
        QCOMPARE(f.w->cart()->geometry(), QRect(520, 352, 49, 41));
        QVERIFY(!f.w->cart()->grab().isNull());
        QCOMPARE(f.w->ball(0)->geometry(), QRect(64, 8, 17, 17));
        QCOMPARE(f.w->ball(2)->geometry(), QRect(264, 72, 17, 17));
        QCOMPARE(f.w->caughtLabel()->text(), QStringLiteral("0"));
        QCOMPARE(f.w->findChild<QLabel*>("winText")->text(), QStringLiteral("Спіймай три кульки"));
        QCOMPARE(f.w->findChild<QLabel*>("winText1")->text(), QStringLiteral("Штовхнути:\nEnter"));
        // The push button lies right of the visible client area.
        QVERIFY(f.w->pushButton()->x() >= f.w->width());
        QVERIFY(f.w->pushButton()->isDefault());
        // The cart picture is a GIF with a transparent background.
        const QImage cart(f.t.ctx.folder.taskFile(30, "telega.gif"));
        QCOMPARE(cart.size(), QSize(49, 41));
        QVERIFY(cart.hasAlphaChannel());
        QCOMPARE(qAlpha(cart.pixel(0, 40)), 0);
    }

    void firstBallFallsAfterThreeSeconds() {
        CartFixture f({2});
        QCOMPARE(f.w->ballInPlay(), 2);
        f.advanceTo(2999);
        QVERIFY(!f.w->ballFalling());
        QCOMPARE(f.w->ballsReleased(), 0);
        f.advanceTo(3000);
        QVERIFY(f.w->ballFalling());
        QCOMPARE(f.w->ballsReleased(), 1);
        QCOMPARE(f.w->ball(2)->y(), 72);
        f.advanceTo(3040);
        QCOMPARE(f.w->ball(2)->y(), 74);
        f.advanceTo(3400);
        QCOMPARE(f.w->ball(2)->y(), 92);
    }

    // From home 520 the cart runs 104 steps of 10 ms out and 104 back; a trip
    // under way cannot be restarted.
    void tripOutAndHome() {
        CartFixture f({2});
        f.advanceTo(105);
        f.pressEnter();
        QVERIFY(f.w->tripUnderWay());
        QVERIFY(!f.w->pushButton()->isEnabled());
        f.advanceTo(115);
        QCOMPARE(f.w->cart()->x(), 515);
        f.advanceTo(600);
        f.pressEnter();
        f.advanceTo(105 + 1040);
        QCOMPARE(f.w->cart()->x(), 0);
        f.advanceTo(105 + 1050);
        QCOMPARE(f.w->cart()->x(), 5);
        f.advanceTo(105 + 2070);
        QCOMPARE(f.w->cart()->x(), 515);
        QVERIFY(!f.w->pushButton()->isEnabled());
        f.advanceTo(105 + 2080);
        QCOMPARE(f.w->cart()->x(), 520);
        QVERIFY(!f.w->tripUnderWay());
        QVERIFY(f.w->pushButton()->isEnabled());
        // The Enter pressed during the trip started nothing.
        f.advanceTo(105 + 2200);
        QCOMPARE(f.w->cart()->x(), 520);
    }

    // The caught ball disappears at once, the count grows only when the cart is home.
    void catchCountedWhenTheCartIsHome() {
        CartFixture f({2, 0});
        f.waitForRelease();
        const qint64 home = f.pushToCatch();
        // Ball 2 reaches top 336 at 3000 + 132 * 40 = 8280.
        QCOMPARE(f.now(), 8280 + 5 - 560);
        f.advanceTo(8280);
        QVERIFY(!f.w->ball(2)->isHidden());
        f.advanceTo(8285);
        QVERIFY(f.w->ball(2)->isHidden());
        QVERIFY(!f.w->ballFalling());
        QCOMPARE(f.count(), 0);
        f.advanceTo(home - 1);
        QCOMPARE(f.count(), 0);
        f.advanceTo(home);
        QCOMPARE(f.count(), 1);
        QCOMPARE(f.w->ballInPlay(), 0);
        QCOMPARE(f.w->ball(2)->y(), kBallParkedTop);
        // The next ball falls after one more second's delay.
        f.advanceTo(home + 1999);
        QVERIFY(!f.w->ballFalling());
        f.advanceTo(home + 2000);
        QVERIFY(f.w->ballFalling());
        QCOMPARE(f.w->ballsReleased(), 2);
    }

    // A ball can be caught only while its top is 336 or 338: the cart one step too late misses it.
    void cartTooLateMisses() {
        CartFixture f({2, 0});
        f.waitForRelease();
        // Ball 2 has top 340 from 8360 on; the cart comes over its column
        // (Left 255, its 53rd step) just after that.
        f.advanceTo(8360 + 5 - 10 * 53);
        f.pressEnter();
        f.advanceTo(8360 + 5);
        QCOMPARE(f.w->cart()->x(), 255);
        f.advanceTo(8360 + 5 + 70);
        QCOMPARE(f.w->cart()->x(), 220);
        QVERIFY(!f.w->ball(2)->isHidden());
        f.advanceTo(f.now() + 2080);
        QCOMPARE(f.count(), 0);
    }

    void threeCatchesEndTheTaskAtOnce() {
        CartFixture f({4, 1, 3});
        f.catchOne();
        QCOMPARE(f.count(), 1);
        f.catchOne();
        QCOMPARE(f.count(), 2);
        QVERIFY(!f.closed());
        f.catchOne();
        QCOMPARE(f.host.calls, handBack(true, kCategory));
        QCOMPARE(f.host.lastRight, true);
        QCOMPARE(f.host.lastCategory, 1);
        QCOMPARE(f.t.rnd.overruns(), 0);
        settle();
        QVERIFY(f.w.isNull());
        QCOMPARE(f.t.clock.enabledTimerCount(), 0);
    }

    // Without a push the five balls fall out one after another; each next ball
    // falls two seconds after the last one left the field.
    void fiveBallsFallWithoutACatch() {
        CartFixture f({0, 1, 2, 3, 4});
        // Ball 0 from top 8: 188 steps to 384, out at the 189th tick.
        f.advanceTo(3000 + 189 * 40 - 1);
        QVERIFY(!f.w->ball(0)->isHidden());
        f.advanceTo(3000 + 189 * 40);
        QVERIFY(f.w->ball(0)->isHidden());
        QCOMPARE(f.w->ballInPlay(), 1);
        const qint64 next = f.now() + 2000;
        f.advanceTo(next - 1);
        QVERIFY(!f.w->ballFalling());
        f.advanceTo(next);
        QVERIFY(f.w->ballFalling());
        f.advanceTo(60000);
        QCOMPARE(f.host.calls, handBack(false, kCategory));
    }

    // The next ball is drawn among those still shown.
    void nextBallDrawnAmongThoseStillShown() {
        CartFixture f({1});
        f.t.rnd.push({ball(1), ball(1), ball(3)});
        f.advanceTo(3000 + (384 - 40) / 2 * 40 + 40);
        QVERIFY(f.w->ball(1)->isHidden());
        QCOMPARE(f.w->ballInPlay(), 3);
        QCOMPARE(f.t.rnd.remaining(), 0);
    }

    // A ball still falling when the cart comes home is taken away uncaught.
    void fallingBallRemovedWhenTheCartIsHome() {
        CartFixture f({0, 3});
        f.advanceTo(3005);
        f.pressEnter();
        f.advanceTo(3005 + 2080);
        QVERIFY(f.w->ball(0)->isHidden());
        QCOMPARE(f.w->ball(0)->y(), kBallParkedTop);
        QCOMPARE(f.count(), 0);
        QCOMPARE(f.w->ballInPlay(), 3);
        QCOMPARE(f.w->ballsReleased(), 1);
        f.advanceTo(f.now() + 4000);
        QCOMPARE(f.w->ball(0)->y(), kBallParkedTop);
    }

    // A push before the first ball falls takes that ball away without counting it
    // as released; once no ball is left the task ends as after the fifth ball.
    void pushBeforeTheReleaseAndNoBallLeft() {
        CartFixture f({0, 0, 1, 2, 3, 4});
        f.advanceTo(100);
        f.pressEnter();
        f.advanceTo(100 + 2080);
        QVERIFY(f.w->ball(0)->isHidden());
        QCOMPARE(f.w->ballsReleased(), 0);
        QCOMPARE(f.w->ballInPlay(), 1);
        f.advanceTo(120000);
        QCOMPARE(f.host.calls, handBack(false, kCategory));
        QCOMPARE(f.t.rnd.overruns(), 0);
        settle();
        QVERIFY(f.w.isNull());
    }

    // A ball taken away by the cart leaves its last position behind; the next
    // trip must not catch that ghost while the new ball waits for its release.
    void noCatchOfABallNotFalling() {
        CartFixture f({4, 0});
        f.waitForRelease();
        // Ball 4 (column 472, top 8) reaches 336 at 3000 + 164 * 40; the cart
        // comes home just then, taking it away at top 336.
        const qint64 at336 = 3000 + 164 * 40;
        f.advanceTo(at336 + 5 - 2080);
        f.pressEnter();
        f.advanceTo(at336 + 5);
        QVERIFY(!f.w->tripUnderWay());
        QCOMPARE(f.w->ballInPlay(), 0);
        // Straight out again: the cart passes column 472 long before ball 0 falls.
        f.pressEnter();
        f.advanceTo(at336 + 5 + 300);
        QVERIFY(!f.w->ballFalling());
        QVERIFY(!f.w->ball(0)->isHidden());
        f.advanceTo(at336 + 5 + 2080);
        QCOMPARE(f.count(), 0);
    }

    void closeButtonAsks_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no keeps playing") << false;
        QTest::newRow("yes ends unsolved") << true;
    }
    void closeButtonAsks() {
        QFETCH(bool, yes);
        CartFixture f({2});
        f.t.dialogs.answer(yes ? MsgAnswer::Yes : MsgAnswer::No);
        QTest::mouseClick(f.w->closeButton(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(f.t.dialogs.asked().size(), 1);
        QCOMPARE(f.t.dialogs.asked().first(),
                 (Message{"Запит", "Закінчити виконання завдання?", MsgIcon::Question, MsgButtons::YesNo}));
        if (yes) {
            QCOMPARE(f.host.calls, handBack(false, kCategory));
            return;
        }
        QVERIFY(f.host.calls.isEmpty());
        QVERIFY(f.w->busy());
        f.advanceTo(3000);
        QVERIFY(f.w->ballFalling());
    }

    // The game runs on while the close button's question is open. When the
    // fifth ball falls out meanwhile, the window waits for the answer before it
    // closes, so the open message box is never left without its window.
    void taskEndingWhileTheQuestionIsOpen_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("answered no") << false;
        QTest::newRow("answered yes") << true;
    }
    void taskEndingWhileTheQuestionIsOpen() {
        QFETCH(bool, yes);
        struct SlowAnswer : Dialogs {
            VirtualClock* clock = nullptr;
            FakeHost* host = nullptr;
            MsgAnswer reply = MsgAnswer::No;
            int asked = 0;
            QStringList callsWhileOpen;
            MsgAnswer ask(QWidget*, const Message&) override {
                ++asked;
                clock->advance(60000);
                callsWhileOpen = host->calls;
                return reply;
            }
        };
        TestContext t;
        FakeHost host;
        SlowAnswer dialogs;
        dialogs.clock = &t.clock;
        dialogs.host = &host;
        dialogs.reply = yes ? MsgAnswer::Yes : MsgAnswer::No;
        AppContext ctx{t.clock, t.rnd, dialogs, t.help, ProgramFolder(t.programFolder.root())};
        t.rnd.push({ball(0), ball(1), ball(2), ball(3), ball(4)});
        QPointer<CartAndBallsWindow> w = new CartAndBallsWindow(ctx, host, *taskOfSquare(31));
        w->load();
        w->show();
        QTest::mouseClick(w->closeButton(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(dialogs.asked, 1);
        QVERIFY(dialogs.callsWhileOpen.isEmpty());
        QCOMPARE(host.calls, handBack(false, kCategory));
        settle();
        QVERIFY(w.isNull());
    }

    void closeBoxRefusedWhileBusy() {
        CartFixture f({2});
        QVERIFY(!f.w->close());
        settle();
        QVERIFY(!f.w.isNull());
        QVERIFY(f.host.calls.isEmpty());
    }
};

ZORNA_TEST_CLASS(CartAndBallsWindowTest)
#include "cart_and_balls_window_test.moc"
