// The plain movement rules of the reaction tasks.
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/reaction/reaction_rules.h"

#include <QTest>

using namespace zorna;
using namespace zorna::reaction;

class ReactionRulesTest : public QObject {
    Q_OBJECT
private slots:
    void appleNeighbour_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("expected");
        QTest::newRow("left inside a row") << 20 << 1 << 19;
        QTest::newRow("right inside a row") << 20 << 2 << 21;
        QTest::newRow("up") << 20 << 3 << 12;
        QTest::newRow("down") << 20 << 4 << 28;
        QTest::newRow("left from a row start wraps to the row above") << 9 << 1 << 8;
        QTest::newRow("right from a row end wraps to the row below") << 16 << 2 << 17;
        QTest::newRow("left from cell 1 stays") << 1 << 1 << 1;
        QTest::newRow("right from cell 64 stays") << 64 << 2 << 64;
        QTest::newRow("up from the top row stays") << 5 << 3 << 5;
        QTest::newRow("down from the bottom row stays") << 60 << 4 << 60;
        QTest::newRow("up from cell 9 reaches the top row") << 9 << 3 << 1;
        QTest::newRow("down from cell 56 reaches the bottom row") << 56 << 4 << 64;
    }
    void appleNeighbour() {
        QFETCH(int, cell);
        QFETCH(int, direction);
        QFETCH(int, expected);
        QCOMPARE(reaction::appleNeighbour(cell, direction), expected);
    }

    // The apple never stays: draws that would keep it in its cell are drawn again.
    void appleStepDrawsUntilTheAppleMoves() {
        ScriptedRnd rnd;
        rnd.push(
            {ScriptedRnd::forDraw(1, 3, 1), ScriptedRnd::forDraw(3, 3, 1), ScriptedRnd::forDraw(4, 3, 1)});
        QCOMPARE(appleStep(1, rnd), 9);
        QCOMPARE(rnd.remaining(), 0);
        QCOMPARE(rnd.overruns(), 0);
    }

    // Directions come from r * 3 + 1 rounded halves to even: 2 and 3 twice as
    // often as 1 and 4.
    void appleDirectionsFollowTheDraw_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("expected");
        QTest::newRow("r 0 goes left") << 0.0f << 19;
        QTest::newRow("r 0.16 goes left") << 0.16f << 19;
        QTest::newRow("r 0.17 goes right") << 0.17f << 21;
        QTest::newRow("r 0.5 goes right (2.5 rounds to 2)") << 0.5f << 21;
        QTest::newRow("r 0.51 goes up") << 0.51f << 12;
        QTest::newRow("r 0.83 goes up") << 0.83f << 12;
        QTest::newRow("r 0.84 goes down (3.52)") << 0.84f << 28;
        QTest::newRow("r 0.99 goes down") << 0.99f << 28;
    }
    void appleDirectionsFollowTheDraw() {
        QFETCH(float, r);
        QFETCH(int, expected);
        ScriptedRnd rnd;
        rnd.push(r);
        QCOMPARE(appleStep(20, rnd), expected);
    }

    void cellGeometry() {
        QCOMPARE(appleCellLeftTw(1), 240);
        QCOMPARE(appleCellTopTw(1), 1560);
        QCOMPARE(appleCellLeftTw(8), 240 + 7 * 480);
        QCOMPARE(appleCellLeftTw(9), 240);
        QCOMPARE(appleCellTopTw(9), 2040);
        QCOMPARE(appleCellTopTw(64), 1560 + 7 * 480);
    }

    void cartTripFromHome520() {
        CartTrip trip(520);
        int out = 0;
        int steps = 0;
        int leftMost = 520;
        bool home = false;
        while (!home && steps < 1000) {
            home = trip.step();
            ++steps;
            leftMost = qMin(leftMost, trip.left());
            if (trip.direction() == 1)
                ++out;
        }
        QVERIFY(home);
        QCOMPARE(leftMost, 0);
        QCOMPARE(out, 104);
        QCOMPARE(steps - out, 104);
        QCOMPARE(trip.left(), 520);
    }

    void cartCatches_data() {
        QTest::addColumn<int>("cartLeft");
        QTest::addColumn<int>("ballTop");
        QTest::addColumn<bool>("caught");
        // Column 264, cart 49 wide with its top at 352.
        QTest::newRow("cart at C - 40, ball top 336") << 224 << 336 << true;
        QTest::newRow("cart at C - 41") << 223 << 336 << false;
        QTest::newRow("cart at C - 8, ball top 338") << 256 << 338 << true;
        QTest::newRow("cart at C - 7") << 257 << 338 << false;
        QTest::newRow("ball top 334 is above the cart") << 240 << 334 << false;
        QTest::newRow("ball top 335: lower edge on the cart's top") << 240 << 335 << true;
        QTest::newRow("ball top 339: 4 pixels below the top") << 240 << 339 << true;
        QTest::newRow("ball top 340 is too deep") << 240 << 340 << false;
    }
    void cartCatches() {
        QFETCH(int, cartLeft);
        QFETCH(int, ballTop);
        QFETCH(bool, caught);
        QCOMPARE(reaction::cartCatches(cartLeft, 49, 264, 352, ballTop), caught);
    }

    void caughtBallCannotBeCaughtAgain() {
        for (int left = 0; left <= 520; left += 5)
            QVERIFY(!reaction::cartCatches(left, 49, kCaughtBallColumn, 352, 336));
    }

    void chutes() {
        QCOMPARE(chuteOfBall(1), 1);
        QCOMPARE(chuteOfBall(5), 1);
        QCOMPARE(chuteOfBall(6), 2);
        QCOMPARE(chuteOfBall(15), 3);
        QCOMPARE(chuteOfBall(16), 4);
        QCOMPARE(chuteOfBall(20), 4);
        QCOMPARE(chuteOfKey(86), 1);
        QCOMPARE(chuteOfKey(66), 2);
        QCOMPARE(chuteOfKey(78), 3);
        QCOMPARE(chuteOfKey(77), 4);
        QCOMPARE(chuteOfKey(65), 0);
    }

    // A ball's run: the step at which it is caught (0 when never), and the tick at
    // which it is lost (0 when caught).
    void ballRun_data() {
        QTest::addColumn<int>("chute");
        QTest::addColumn<int>("lastKey");
        QTest::addColumn<int>("caughtAt");
        QTest::addColumn<int>("lostAt");
        QTest::newRow("chute 1 under V: 16th step") << 1 << kKeyV << 16 << 0;
        QTest::newRow("chute 2 under B: 15th step") << 2 << kKeyB << 15 << 0;
        QTest::newRow("chute 3 under N: 15th step") << 3 << kKeyN << 15 << 0;
        QTest::newRow("chute 4 under M: 16th step") << 4 << kKeyM << 16 << 0;
        QTest::newRow("chute 1 under B: lost at the 20th tick") << 1 << kKeyB << 0 << 20;
        QTest::newRow("chute 2 under V: lost") << 2 << kKeyV << 0 << 20;
        QTest::newRow("chute 3 under M: lost") << 3 << kKeyM << 0 << 20;
        QTest::newRow("chute 4 under N: lost") << 4 << kKeyN << 0 << 20;
    }
    void ballRun() {
        QFETCH(int, chute);
        QFETCH(int, lastKey);
        QFETCH(int, caughtAt);
        QFETCH(int, lostAt);
        int top = kBallStartTop;
        for (int tick = 1; tick <= 25; ++tick) {
            const BallStep step = stepBall(top, chute, lastKey);
            if (step == BallStep::Caught) {
                QCOMPARE(tick, caughtAt);
                QCOMPARE(top, chute == 1 || chute == 4 ? 216 : 206);
                return;
            }
            if (step == BallStep::Lost) {
                QCOMPARE(tick, lostAt);
                QCOMPARE(top, 246);
                return;
            }
        }
        QFAIL("the ball was neither caught nor lost");
    }

    // A net moved under the chute only after the ball's catch step is too late.
    void chute2BallLostAfterTheNetCameLate() {
        int top = kBallStartTop;
        for (int tick = 1; tick <= 15; ++tick)
            QVERIFY(stepBall(top, 2, kKeyV) == BallStep::Falling);
        QCOMPARE(top, 206);
        for (int tick = 16; tick <= 19; ++tick)
            QVERIFY(stepBall(top, 2, kKeyB) == BallStep::Falling);
        QVERIFY(stepBall(top, 2, kKeyB) == BallStep::Lost);
    }

    void keyPress_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("virtualKey");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<int>("scanCodes");
        QTest::addColumn<int>("expected");
        const int none = int(ScanCodes::None);
        const int xkb = int(ScanCodes::Xkb);
        const int windows = int(ScanCodes::Windows);
        QTest::newRow("V") << int(Qt::Key_V) << "v" << 0u << 0u << none << kKeyV;
        QTest::newRow("shifted B") << int(Qt::Key_B) << "B" << 0u << 0u << none << kKeyB;
        QTest::newRow("N") << int(Qt::Key_N) << "n" << 0u << 0u << none << kKeyN;
        QTest::newRow("M") << int(Qt::Key_M) << "m" << 0u << 0u << none << kKeyM;
        QTest::newRow("Cyrillic em") << 0x41C << QString(QChar(0x43C)) << 0u << 0u << none << kKeyV;
        QTest::newRow("Cyrillic i") << 0x418 << QString(QChar(0x438)) << 0u << 0u << none << kKeyB;
        QTest::newRow("Cyrillic te") << 0x422 << QString(QChar(0x442)) << 0u << 0u << none << kKeyN;
        QTest::newRow("Cyrillic soft sign") << 0x42C << QString(QChar(0x44C)) << 0u << 0u << none << kKeyM;
        QTest::newRow("Cyrillic capital by text only")
            << 0 << QString(QChar(0x418)) << 0u << 0u << none << kKeyB;
        QTest::newRow("Latin text only") << 0 << "m" << 0u << 0u << none << kKeyM;
        QTest::newRow("virtual key N") << 0 << "" << 78u << 0u << none << kKeyN;
        QTest::newRow("xkb scan code of V") << 0 << "" << 0u << 55u << xkb << kKeyV;
        QTest::newRow("xkb scan code of M") << 0 << "" << 0u << 58u << xkb << kKeyM;
        QTest::newRow("xkb scan code of C") << 0 << "" << 0u << 54u << xkb << 0;
        QTest::newRow("windows scan code of B") << 0 << "" << 0u << 0x30u << windows << kKeyB;
        QTest::newRow("scan codes unknown on this platform") << 0 << "" << 0u << 55u << none << 0;
        QTest::newRow("A") << int(Qt::Key_A) << "a" << 0u << 0u << none << 0;
        QTest::newRow("Cyrillic a") << 0x410 << QString(QChar(0x430)) << 0u << 0u << none << 0;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << "" << 0u << 0u << none << 0;
        QTest::newRow("Space") << int(Qt::Key_Space) << " " << 0u << 0u << none << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << 0u << 0u << none << 0;
    }
    void keyPress() {
        QFETCH(int, qtKey);
        QFETCH(QString, text);
        QFETCH(uint, virtualKey);
        QFETCH(uint, scanCode);
        QFETCH(int, scanCodes);
        QFETCH(int, expected);
        QCOMPARE(chuteKeyOfPress(qtKey, text, virtualKey, scanCode, ScanCodes(scanCodes)), expected);
    }
};

ZORNA_TEST_CLASS(ReactionRulesTest)
#include "reaction_rules_test.moc"
